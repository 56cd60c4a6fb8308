// A dialog for testing the layer on its own: a default button, a radio
// group with a label inside it, two edits, a radio button of a group of
// its own, and a button whose handler the test chooses. It logs every
// notification its map receives.
#pragma once

#include "platform/qt/cdialog.h"
#include "platform/qt/resource_module.h"
#include "tests/ui/test_resources.h"

#include <functional>
#include <string>
#include <vector>

constexpr UINT kTestDialogId = 500;
constexpr int kRadioA = 2001;
constexpr int kGroupLabel = 2002;
constexpr int kRadioB = 2003;
constexpr int kFirstEdit = 2004;
constexpr int kSecondEdit = 2005;
constexpr int kRadioAlone = 2006;
constexpr int kActionButton = 2007;

DialogTemplate TestDialogTemplate();

class TestDialog : public CDialog {
public:
    TestDialog()
        : CDialog(kTestDialogId)
    {
    }

    int m_nChoice = 0;
    CString m_strFirst;
    CString m_strSecond;
    std::vector<std::string> log;
    std::function<void()> action;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override { log.push_back("OnOK"); }
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnFirstSetFocus() { log.push_back("setfocus first"); }
    void OnFirstKillFocus() { log.push_back("killfocus first"); }
    void OnSecondSetFocus() { log.push_back("setfocus second"); }
    void OnSecondKillFocus() { log.push_back("killfocus second"); }
    void OnAction();

    DECLARE_MESSAGE_MAP()
};

// Installs the test dialog's resources for one test.
class LayerResources {
public:
    LayerResources();
    ~LayerResources();
    TestResources resources;

private:
    const ResourceModule* m_previous;
};

// Runs `dialog` modally with `steps` inside its loop, after its window is
// active; ends it afterwards if the steps did not. Returns DoModal's value.
int RunDialog(CDialog& dialog, const std::function<void()>& steps);
