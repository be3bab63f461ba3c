// Writes the tests' plant database into a folder, as the fuzzer's first seed.
#include "tests/platform/jet/support/plant_db.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: saat <folder>\n");
        return 2;
    }
    const QString pfad = sorvo::jet::testing::writePlantDatabase(QString::fromLocal8Bit(argv[1]));
    std::printf("%s\n", pfad.toLocal8Bit().constData());
    return 0;
}
