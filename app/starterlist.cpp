// Puts the starter list into the build's run folder when it has no results.dat.
//
// usage: tapmeter_starterlist PATH_OF_RESULTS_DAT
#include "app/workingfolder.h"

#include <QString>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tapmeter_starterlist PATH_OF_RESULTS_DAT\n");
        return 2;
    }
    QString error;
    if (!writeStarterListIfAbsent(QString::fromLocal8Bit(argv[1]), &error)) {
        std::fprintf(stderr, "tapmeter_starterlist: %s: %s\n", argv[1], qPrintable(error));
        return 1;
    }
    return 0;
}
