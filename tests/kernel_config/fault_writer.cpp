// Runs file operations of the document for the fault tests, as a program of its own so that a preloaded fault
// library acts on them alone.
//   fault_writer write PATH TEXT   exit status 1 written, 0 not written
//   fault_writer backup PATH       exit status 2 a backup was made, 1 "non", 0 "err"
#include <cstring>
#include <string>

#include "doc.h"

int main(int argc, char** argv)
{
    using Doc = CQuorvaneConfiguratorDoc;
    if (argc == 4 && std::strcmp(argv[1], "write") == 0) return Doc::WriteStringToFile(argv[2], argv[3]);
    Doc doc("");
    if (argc == 3 && std::strcmp(argv[1], "backup") == 0) {
        const std::string name = doc.MakeBackupFile(argv[2]);
        return name == "err" ? 0 : name == "non" ? 1 : 2;
    }
    return 100;
}
