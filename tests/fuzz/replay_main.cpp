#include "fuzz_check.h"

#include <QDir>
#include <QFile>

#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);

// Replays a fuzz target's corpus in the normal test run: every file of each folder named
// on the command line goes through the target once, so that a fixed crash stays fixed.
int main(int argc, char** argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const QDir folder(QString::fromLocal8Bit(argv[i]));
        for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
            QFile file(folder.filePath(name));
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
                return 1;
            }
            const QByteArray bytes = file.readAll();
            std::fprintf(stderr, "%s\n", qPrintable(name));
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
            ++inputs;
        }
    }
    // An empty or missing folder would pass without testing anything.
    if (inputs == 0) {
        std::fprintf(stderr, "no corpus files\n");
        return 1;
    }
    std::printf("%d inputs replayed\n", inputs);
    return 0;
}
