#include "platform/system.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>
#if defined(__GLIBC__)
#include <malloc.h>
#include <unistd.h>
#endif

using namespace sorvo;

TEST(EinzelInstanz, SecondInstanceOfSameNameIsRefusedUntilFirstEnds) {
    const QString name = QStringLiteral("sorvo-test-%1").arg(QCoreApplication::applicationPid());
    {
        EinzelInstanz erste(name);
        ASSERT_TRUE(erste.erworben());
        EinzelInstanz zweite(name);
        EXPECT_FALSE(zweite.erworben());
        EinzelInstanz andere(name + QStringLiteral("-x"));
        EXPECT_TRUE(andere.erworben());
    }
    EinzelInstanz wieder(name);
    EXPECT_TRUE(wieder.erworben());
}

TEST(Pfade, JoinWithOneSeparator) {
    EXPECT_EQ(pfadVerbinden(QStringLiteral("/opt/sorvo"), QStringLiteral("FeldListe.dat")),
              "/opt/sorvo/FeldListe.dat");
    EXPECT_EQ(pfadVerbinden(QStringLiteral("/"), QStringLiteral("FeldListe.dat")),
              "/FeldListe.dat");
    EXPECT_EQ(pfadVerbinden(QStringLiteral("C:\\"), QStringLiteral("a")), "C:\\a");
}

#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)

namespace {

std::uintptr_t heapEnde() {
    return reinterpret_cast<std::uintptr_t>(sbrk(0));
}

// Whether a mapping of this process within [von, bis) may take pages of
// 2 MB ("hg" among its flags in /proc/self/smaps).
bool heapGrosseSeiten(std::uintptr_t von, std::uintptr_t bis) {
    QFile f(QStringLiteral("/proc/self/smaps"));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    bool drin = false;
    for (const QByteArray& zeile : f.readAll().split('\n')) {
        const int strich = zeile.indexOf('-');
        const int blank = zeile.indexOf(' ');
        if (strich > 0 && blank > strich && !zeile.startsWith("VmFlags")) {
            bool ok1 = false, ok2 = false;
            const auto a = zeile.left(strich).toULongLong(&ok1, 16);
            const auto b = zeile.mid(strich + 1, blank - strich - 1).toULongLong(&ok2, 16);
            drin = ok1 && ok2 && a < bis && b > von;
        } else if (drin && zeile.startsWith("VmFlags:") && zeile.contains(" hg")) {
            return true;
        }
    }
    return false;
}

long residentKb() {
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    return f.readAll().split(' ').value(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024);
}

} // namespace

TEST(GrosseBloecke, HeapIsReadyForWhatIsExpectedWithoutHoldingIt) {
    constexpr std::size_t kErwartet = 96u * 1024 * 1024;
    constexpr int kKleine = 200000;
    std::vector<void*> bloecke;
    bloecke.reserve(kKleine); // below what the test watches
    const std::uintptr_t anfang = heapEnde();
    const long vorher = residentKb();
    {
        const GrosseBloeckeBehalten speicher(kErwartet);
        const std::uintptr_t bereit = heapEnde();
        EXPECT_GE(mallinfo2().fordblks, kErwartet);
        EXPECT_GE(bereit - anfang, kErwartet / 2);
        // Made ready, not touched (a block's header may take a whole 2 MB
        // page where the system hands out large pages everywhere).
        EXPECT_LT(residentKb() - vorher, static_cast<long>(kErwartet / 4 / 1024));

        QFile thp(QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled"));
        if (thp.open(QIODevice::ReadOnly) && !thp.readAll().contains("[never]")) {
            EXPECT_TRUE(heapGrosseSeiten(anfang, bereit));
        }

        // Many small blocks, as label windows make them, fit without the
        // heap growing any further.
        for (int i = 0; i < kKleine; ++i)
            bloecke.push_back(std::malloc(300));
        EXPECT_EQ(heapEnde(), bereit);
        for (void* b : bloecke)
            std::free(b);
    }
}
#endif
