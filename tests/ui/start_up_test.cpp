// The start-up: the order of the application's steps, the title, F1 and
// the exception guard around the dispatch of a dialog's messages.
#include "platform/core/application_title.h"
#include "platform/core/exceptions.h"
#include "platform/qt/win_app.h"
#include "tests/support/message_recorder.h"
#include "tests/ui/layer_test_dialog.h"
#include "tests/ui/modal_helpers.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class RecordingApp : public CWinApp {
public:
    std::vector<std::string> calls;
    std::function<void()> instance;

    BOOL InitApplication() override
    {
        calls.push_back("InitApplication");
        return TRUE;
    }
    BOOL InitInstance() override
    {
        calls.push_back("InitInstance");
        if (instance)
            instance();
        return FALSE;
    }
    int ExitInstance() override
    {
        calls.push_back("ExitInstance");
        return 7;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordingApp, CWinApp)
    ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

int StartUp(const ResourceModule& resources)
{
    char name[] = "/opt/tools/quintaro";
    char argument[] = "--ignored";
    char* argv[] = { name, argument, nullptr };
    return AfxWinMain(2, argv, resources);
}

TEST(StartUp, RunsTheStepsInOrderAndEndsWithExitInstance)
{
    LayerResources layer;
    RecordingApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    app.instance = [&] { app.calls.push_back(app.m_strAppName); };
    EXPECT_EQ(StartUp(layer.resources), 7);
    EXPECT_EQ(app.calls, (std::vector<std::string> { "InitApplication", "InitInstance", GetApplicationTitle(), "ExitInstance" }));
    EXPECT_EQ(app.m_arguments.size(), 2u);
}

// Runs the test dialog as the main window of a started application.
template<typename Steps>
void RunAsMainWindow(RecordingApp& app, LayerResources& layer, TestDialog& dialog, Steps steps)
{
    app.instance = [&] {
        app.m_pMainWnd = &dialog;
        RunDialog(dialog, steps);
    };
    StartUp(layer.resources);
    EXPECT_EQ(app.m_pMainWnd, nullptr) << "the ended main window is still the main window";
}

TEST(StartUp, F1ReportsThatHelpCannotBeLaunched)
{
    LayerResources layer;
    RecordingApp app;
    TestDialog dialog;
    RunAsMainWindow(app, layer, dialog, [&] {
        MessageRecorder recorder;
        QTest::keyClick(ControlWidget(dialog, kFirstEdit), Qt::Key_F1);
        ASSERT_EQ(recorder.Messages().size(), 1u);
        const RecordedMessage& message = recorder.Messages().front();
        EXPECT_EQ(message.text, "Failed to launch help.");
        EXPECT_EQ(message.caption, GetApplicationTitle());
        EXPECT_EQ(message.style, MB_ICONWARNING | MB_OK);
        EXPECT_EQ(message.owner, dialog.m_hWnd);
    });
}

TEST(StartUp, AnExceptionInAHandlerIsReportedAndTheDialogGoesOn)
{
    LayerResources layer;
    RecordingApp app;
    TestDialog dialog;
    RunAsMainWindow(app, layer, dialog, [&] {
        MessageRecorder recorder;
        dialog.action = [] { throw CFileException(CFileException::diskFull, 28, "/tmp/out.bmp"); };
        QTest::mouseClick(Control<QPushButton>(dialog, kActionButton), Qt::LeftButton);
        ASSERT_EQ(recorder.Messages().size(), 1u);
        EXPECT_EQ(recorder.Messages()[0].text, "Disk full while accessing /tmp/out.bmp.");
        EXPECT_EQ(recorder.Messages()[0].caption, GetApplicationTitle());
        EXPECT_EQ(recorder.Messages()[0].style, MB_ICONERROR | MB_OK);
        EXPECT_EQ(recorder.Messages()[0].owner, dialog.m_hWnd);

        dialog.action = nullptr;
        QTest::mouseClick(Control<QPushButton>(dialog, kActionButton), Qt::LeftButton);
        EXPECT_TRUE(WidgetOf(dialog)->isVisible());
        EXPECT_EQ(dialog.log, (std::vector<std::string> { "action", "action" }));
    });
}

} // namespace
