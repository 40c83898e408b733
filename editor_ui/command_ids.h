// Command ids of the menu, the tool bar and the accelerators; the values are those of the resources.
#pragma once

namespace qvcmd {
enum : int {
    kChangeForm = 302,
    kSelectConfFiles = 303,
    kCpuKernelMaskLevel = 304,
    kTask = 305,
    kEventflg = 306,
    kSemaphore = 307,
    kDataQue = 308,
    kSystemTime = 309,
    kCyclicHandler = 310,
    kOutputConfFiles = 311,
    kAppAbout = 32785,
    kRecentFirst = 32796,  // entries 0 to 2: 32796 to 32798
    kRecentLast = 32798,
    kEditCopy = 57634,
    kEditCut = 57635,
    kEditPaste = 57637,
    kAppExit = 57665,
    kViewToolBar = 59392,
    kViewStatusBar = 59393,
};
}  // namespace qvcmd
