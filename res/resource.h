// Resource and control identifiers of the conversion utility.
#pragma once

constexpr unsigned IDD_ABOUT_DIALOG = 100;
constexpr unsigned IDS_ABOUT_ITEM = 101;
constexpr unsigned IDD_CONVERSION_DIALOG = 102;
constexpr unsigned IDI_APP_ICON = 128;

// The system-menu command that opens the About box.
constexpr unsigned IDM_ABOUT_ITEM = 0x0010;

// Controls of the conversion dialog.
constexpr int IDC_CONVERSION_TYPE = 1000;
constexpr int IDC_LIBRARY_TO_BITMAP = 1001;
constexpr int IDC_BITMAP_TO_LIBRARY = 1002;
constexpr int IDC_INPUT_LABEL = 1003;
constexpr int IDC_INPUT_FILE = 1004;
constexpr int IDC_BROWSE_INPUT = 1005;
constexpr int IDC_OUTPUT_LABEL = 1006;
constexpr int IDC_OUTPUT_FILE = 1007;
constexpr int IDC_BROWSE_OUTPUT = 1008;
constexpr int IDC_ORIGINAL_LABEL = 1009;
constexpr int IDC_ORIGINAL_FILE = 1010;
constexpr int IDC_BROWSE_ORIGINAL = 1011;

// Controls without an id of their own.
constexpr int IDC_STATIC = -1;
