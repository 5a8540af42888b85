#include "filesys/Wildcard.h"

QStringList SplitMasks(const QString& maskText) { return maskText.split(QLatin1Char(';'), Qt::SkipEmptyParts); }

bool MatchesMask(QStringView name, QStringView mask) {
  if (mask == u"*.*") mask = u"*";
  // Greedy matching that backtracks only to the last "*": linear for the
  // usual masks, never exponential.
  qsizetype n = 0, m = 0;
  qsizetype starMask = -1, starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && mask[m] == u'*') {
      starMask = m++;
      starName = n;
    } else if (m < mask.size() && (mask[m] == u'?' || mask[m].toCaseFolded() == name[n].toCaseFolded())) {
      ++m;
      ++n;
    } else if (starMask >= 0) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == u'*') ++m;
  return m == mask.size();
}
