#pragma once

#include <QString>

// The options the media code reads. The option store fills them after loading the options;
// until then the defaults below hold.
struct MediaOptions {
    // "GenericProjectors": open only executables that are Flash projectors without doubt.
    bool genericProjectors = true;
    // "Projector": the player template that projectors are built from; empty means the
    // binary folder's "projector.dll".
    QString projectorTemplate;
};

const MediaOptions& CurrentMediaOptions();
void SetMediaOptions(const MediaOptions& options);

// The template file to build projectors from.
QString ProjectorTemplatePath();
