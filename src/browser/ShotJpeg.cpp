#include "browser/ShotJpeg.h"

#include "base/ErrorContext.h"
#include "base/ExecutionLog.h"
#include "image/SaveDibAsJpeg.h"
#include "image/cDIBSection.h"
#include "image/ui/DibImage.h"

bool WriteShotJpeg(const QImage& shot, const QString& path, int quality, const QSize& size)
{
    bool saved = false;
    try {
        cDIBSection surface;
        if (!shot.isNull() && CreateFromPicture(surface, shot)) {
            if (size.isValid() && !size.isEmpty() && size != shot.size()) {
                const std::unique_ptr<cDIBSection> resampled = surface.Resample(size.width(), size.height());
                saved = resampled && SaveDibAsJpeg(*resampled, path, quality);
            } else {
                saved = SaveDibAsJpeg(surface, path, quality);
            }
        }
    } catch (const VorlenError&) {
        saved = false;
    }
    if (!saved)
        LogLine(QStringLiteral("Failed to save JPEG"));
    return saved;
}
