#include "database/starterlist.h"

#include "database/resultsformat.h"

QStringList starterListLines() {
    const QStringList words =
        QStringLiteral("the and you that with have this from they would there their what about which when make time "
                       "just know people year good some could them other than then look house water because after "
                       "world school keyboard different important everything")
            .split(QLatin1Char(' '));
    RecordTable table;
    for (int i = 0; i < words.size(); ++i) {
        table.Words[i] = words[i];
        table.FastestTime[i] = NoRecordTime;
        table.RecordDate[i] = NoRecordText;
        table.RecordName[i] = NoRecordText;
    }
    return ResultsFormat::recordLines(table, int(words.size()));
}
