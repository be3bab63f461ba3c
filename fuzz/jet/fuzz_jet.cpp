// libFuzzer target for the database reader: every input is written to a file
// and opened as a database; every table and stored query is read whole.
// Errors must come as JetError; anything else (a crash, a sanitizer report,
// another exception) is a finding.
#include "platform/jet/jet.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>

namespace {
QString g_datei;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    static QTemporaryDir ordner;
    g_datei = ordner.path() + QStringLiteral("/fuzz.mdb");
    return 0;
}

static void lesen(sorvo::jet::Database& db, const QString& quelle) {
    try {
        auto rs = db.openRecordset(quelle);
        int zeilen = 0;
        for (; !rs->eof() && zeilen < 5000; rs->moveNext(), ++zeilen)
            for (int i = 0; i < rs->fieldCount(); ++i)
                (void)rs->value(i).toString();
    } catch (const sorvo::jet::JetError&) {
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        QFile f(g_datei);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    try {
        auto db = sorvo::jet::Database::open(g_datei);
        for (const auto& t : db->tableDefs())
            lesen(*db, QLatin1Char('[') + t.name + QLatin1Char(']'));
        for (const QString& q : db->queryNames())
            lesen(*db, QLatin1Char('[') + q + QLatin1Char(']'));
    } catch (const sorvo::jet::JetError&) {
    }
    return 0;
}
