// The two dialog templates of the utility.
#pragma once

#include "platform/qt/dialog_template.h"

const DialogTemplate& ConversionDialogTemplate();
const DialogTemplate& AboutDialogTemplate();
