// The About box: name, version and copyright; OK or Escape ends it.
#pragma once

#include "platform/qt/cdialog.h"

class CAboutDialog : public CDialog {
public:
    CAboutDialog();

protected:
    void DoDataExchange(CDataExchange* dx) override;

    DECLARE_MESSAGE_MAP()
};
