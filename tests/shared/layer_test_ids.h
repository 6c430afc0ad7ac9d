/* Resources of the Win32 layer's own tests. */
#pragma once

#define IDD_TEST_DIALOG 900 /* an edit field and OK */
#define IDD_TEST_PAGE 901   /* an empty wizard page */
#define IDC_TEST_EDIT 1000
#define IDR_TEST_ICON 902   /* resources/app.ico as plain bytes */
