// Where the program's files live: a portable folder or an installed copy, and
// the empty project database of an installed copy's first start.

#include "store/FileLocations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <ostream>

#include <unistd.h>

#include <gtest/gtest.h>

namespace {

using store::FileLocations;

// A prefix PREFIX/bin holding the executable's folder, and the user's own
// data folder beside it.
struct Layout {
    const char* name;
    bool databaseBeside;   // basin.mdb in PREFIX/bin
    bool folderWritable;   // PREFIX/bin may be written
    bool shareFolder;      // PREFIX/share/tellum exists
    bool portable;
    const char* expectedShare;  // relative to PREFIX
};

void PrintTo(const Layout& layout, std::ostream* out) { *out << layout.name; }

class FileLocationsRule : public ::testing::TestWithParam<Layout> {};

TEST_P(FileLocationsRule, PortableOnlyWithAWritableFolderHoldingBasinMdb)
{
    const Layout& layout = GetParam();
    if (!layout.folderWritable && geteuid() == 0) {
        GTEST_SKIP() << "root may write a read-only folder; run as another user to check this case";
    }
    QTemporaryDir prefix;
    QDir root(prefix.path());
    ASSERT_TRUE(root.mkpath("bin"));
    ASSERT_TRUE(!layout.shareFolder || root.mkpath("share/tellum/docs"));
    QFile database(root.filePath("bin/basin.mdb"));
    ASSERT_TRUE(!layout.databaseBeside || database.open(QIODevice::WriteOnly));
    database.close();
    const QString bin = root.filePath("bin");
    if (!layout.folderWritable)
        QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner);

    const FileLocations found = FileLocations::forExecutable(bin, root.filePath("user/Tellum"));
    QFile::setPermissions(bin, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_EQ(found.isPortable(), layout.portable);
    EXPECT_EQ(found.dataFolder(), layout.portable ? bin : root.filePath("user/Tellum"));
    EXPECT_EQ(found.shareFolder(), root.filePath(layout.expectedShare));
    EXPECT_EQ(found.databasePath(), found.dataFolder() + "/basin.mdb");
    EXPECT_EQ(found.docsFolder(), found.shareFolder() + "/docs");
    EXPECT_EQ(found.helpFolder(), found.shareFolder() + "/Help");
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, FileLocationsRule,
    ::testing::Values(Layout{"PortableFolder", true, true, true, true, "bin"},
                      Layout{"InstalledPrefix", false, true, true, false, "share/tellum"},
                      Layout{"BuildTreeWithoutDatabase", false, true, false, false, "bin"},
                      Layout{"ReadOnlyFolderWithDatabase", true, false, true, false, "share/tellum"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileLocationsFirstStart, CreatesTheDataFolderWithAnEmptyDatabase)
{
    QTemporaryDir home;
    const auto locations = FileLocations::installed(home.filePath(".local/share/Tellum"), home.path());
    ASSERT_TRUE(locations.prepareDataFolder());
    const QFileInfo database(locations.databasePath());
    EXPECT_TRUE(database.isFile());
    EXPECT_EQ(database.size(), 0);
}

TEST(FileLocationsFirstStart, NeverTouchesWhatIsThere)
{
    QTemporaryDir home;
    const auto locations = FileLocations::installed(home.path(), home.path());
    {
        QFile designs(locations.databasePath());
        ASSERT_TRUE(designs.open(QIODevice::WriteOnly));
        designs.write("the designer's basins");
    }
    EXPECT_TRUE(locations.prepareDataFolder());
    QFile designs(locations.databasePath());
    ASSERT_TRUE(designs.open(QIODevice::ReadOnly));
    EXPECT_EQ(designs.readAll(), QByteArray("the designer's basins"));

    // A link to a database elsewhere is not replaced, even when its target is
    // missing (a disk not mounted): the file is not there, and nothing is made.
    QTemporaryDir other;
    const auto linked = FileLocations::installed(other.path(), other.path());
    ASSERT_TRUE(QFile::link(other.filePath("elsewhere/basin.mdb"), linked.databasePath()));
    EXPECT_FALSE(linked.prepareDataFolder());
    EXPECT_TRUE(QFileInfo(linked.databasePath()).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(other.filePath("elsewhere")));
}

}  // namespace
