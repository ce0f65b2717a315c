#pragma once

// The scratch folder of this test process. CTest runs every test case in a process of its
// own, two at a time, so each process gets a folder of its own (removed when it exits):
// fixtures that generate files under fixed names never race each other.
const char* PlotvaneTestWorkDir();

#define PLOTVANE_TEST_WORK PlotvaneTestWorkDir()
