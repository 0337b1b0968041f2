#pragma once
#define IDD_DEMO        100
#define IDC_PAGES       1001
#define IDC_LOG         1002
#define IDC_PAGE_FIRST  1100
