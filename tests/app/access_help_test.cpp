// The Help button: the product's web page, else the local page beside the program.
#include "config/paths.h"
#include "tests/app/access_test_util.h"

#include <QDesktopServices>
#include <QDir>
#include <QPushButton>
#include <QUrl>

namespace quelmo {
namespace {

// Stands in for the desktop's handler of one URL scheme.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened.push_back(url); }
};

class HelpTest : public test::PanelTest {
protected:
    UrlRecorder web, files;
    void SetUp() override {
        PanelTest::SetUp();
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &files, "Open");
        StartAt(2026, 12, 7, 9, 0, 0);
    }
    void TearDown() override {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        PanelTest::TearDown();
    }
};

TEST_F(HelpTest, TheWebPageComesFirst) {
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &web, "Open");
    Click(form->Help);
    ASSERT_EQ(web.opened.size(), 1u);
    EXPECT_EQ(web.opened[0].toString(), "http://127.0.0.1:9/Quelmo/index.html");
    EXPECT_TRUE(files.opened.empty());
}

TEST_F(HelpTest, TheLocalPageWhenTheWebPageCannotBeOpened) {
    // No browser here for "http://": the page beside the program is opened instead.
    Click(form->Help);
    ASSERT_EQ(files.opened.size(), 1u);
    EXPECT_EQ(files.opened[0].toLocalFile().toStdString(), folder.Path() + "help/index.html");
    EXPECT_EQ(S().LockCountdown, 0); // renewing a locked panel leaves it locked
}

TEST_F(HelpTest, AFolderNameWithBlanksAndHashesStillNamesThePage) {
    const std::string odd = folder.Path() + "my help #2";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(odd)));
    SetProgramPathForTesting(odd + "/quelmo");
    InitProgramPaths();
    Click(form->Help);
    SetProgramPathForTesting(folder.Path() + "quelmo");
    InitProgramPaths();
    ASSERT_EQ(files.opened.size(), 1u);
    EXPECT_EQ(files.opened[0].toLocalFile().toStdString(), odd + "/help/index.html");
}

} // namespace
} // namespace quelmo

#include "access_help_test.moc"
