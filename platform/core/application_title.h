// The application title: the caption of the boxes the platform layer shows
// by itself. It is the running executable's file name without folder and
// extension.
#pragma once

#include "cstring.h"

CString GetApplicationTitle();
// The title a given executable path gives ("/usr/bin/quintaro" -> "quintaro").
CString ApplicationTitleFromPath(const CString& executablePath);
