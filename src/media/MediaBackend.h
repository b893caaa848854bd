#pragma once
// Whether Qt Multimedia has a backend that can play video here. Qt Multimedia aborts the
// process at the first player it cannot back, so the program asks before it creates one and
// decides itself what to do without.

#include <QString>

struct TMediaBackendCheck {
    bool usable = false;
    // Without a backend: what to install, naming the packages. Empty otherwise.
    QString message;
};

// Honours QT_MEDIA_BACKEND, as Qt Multimedia does.
TMediaBackendCheck CheckMediaBackend();
