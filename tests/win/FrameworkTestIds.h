#pragma once
// Ids of the tests' own dialog template (FrameworkTest.rc), outside the programs' ranges.
#define IDD_TEST_PROBE 30001
#define IDC_TEST_EDIT 30002
