// The application icon's images.
#pragma once

#include "platform/qt/resource_module.h"

const IconResource& ApplicationIcon();
