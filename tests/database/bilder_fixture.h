#pragma once
// A plant database whose picture tables name files of a picture tree of real
// JPEG files written at test time, with known pixel sizes and resolutions.
#include "tests/database/db_fixture.h"

#include <QSize>
#include <QTemporaryDir>

namespace sorvo::test {

class BilderTest : public DbTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The database with the picture rows below, kinds "vxt", "vxa", "vxf".
    static const QString& bilderDb();
    // Writes a JPEG of pixel size px at dpi (0: no resolution in the file)
    // as relativ below the picture tree; returns its path.
    QString jpeg(const QString& relativ, QSize px, int dpi = 96) const;
    // The picture tree's folder with a trailing separator.
    QString baum() const { return m_baum.path() + QLatin1Char('/'); }
    // A path below the tree, relative to it.
    QString relativ(const QString& pfad) const;

    // Window n bound to bilderDb() as kind art, Data1 on the record artnr.
    void binden(int32_t n, const QString& art);
    void datensatz(long artnr);

    QTemporaryDir m_baum;
    int m_pieptoene = 0;
};

} // namespace sorvo::test
