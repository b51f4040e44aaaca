#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Saves a shot as a JPEG file (SaveDibAsJpeg) at quality 0..100, first resampled bilinearly
// to size when one is given and it differs. A failure logs "Failed to save JPEG" and gives
// false.
bool WriteShotJpeg(const QImage& shot, const QString& path, int quality, const QSize& size = QSize());
