#pragma once
#include <QString>
#include <QStringList>
#include <QStringView>

// The masks of a mask text ("*.bmp;*.jpg"), in order; empty parts are
// left out.
QStringList SplitMasks(const QString& maskText);

// Whether Name matches Mask, in which "*" stands for any run of characters
// and "?" for one, letters matching without regard to case. "*.*" matches
// every name, also one without a dot: it is the mask for all files.
bool MatchesMask(QStringView name, QStringView mask);
