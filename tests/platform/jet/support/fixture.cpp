#include "tests/platform/jet/support/fixture.h"

#include "tests/platform/jet/support/plant_db.h"

#include <QDir>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace sorvo::jet::testing {

namespace {
std::vector<std::unique_ptr<QTemporaryDir>>& folders() {
    static std::vector<std::unique_ptr<QTemporaryDir>> f;
    return f;
}
} // namespace

QString scratchFolder() {
    folders().push_back(std::make_unique<QTemporaryDir>());
    return folders().back()->path();
}

const QString& plantDatabase() {
    static const QString path = writePlantDatabase(scratchFolder());
    return path;
}

} // namespace sorvo::jet::testing
