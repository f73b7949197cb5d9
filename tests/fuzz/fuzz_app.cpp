#include <QCoreApplication>

// One application object for the whole run: the link and the virtual car use Qt's
// event machinery (timers, deferred deletion).
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}
