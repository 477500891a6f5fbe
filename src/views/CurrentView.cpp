#include "views/CurrentView.h"

#include "data/Text.h"

namespace fennick {

qint32 CurrentView::recordNumberAt(int i) const {
    if (i < 0 || i >= ReportIndex.size()) return 0;
    return qint32(Val(Right(ReportIndex[i], 4)));
}

void CurrentView::clear() {
    ReportIndex = QList<QByteArray>(1);
    ReportCount = 0;
    CurIndexPos = 0;
    CutOffApplied = false;
    ++Generation;
}

}  // namespace fennick
