#pragma once
// What a highlight reel holds: one clip per situation of a result, in the clip list's order,
// each the stretch of its match video that playback plays for it. Building the plan finds the
// videos as playback does and says which situations cannot be part of the reel and why.

#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class TSituationSet;

struct TReelClip {
    QString videoFile; // an existing file
    std::int64_t inMs = 0;
    std::int64_t durationMs = 0;
    // The clip type, the clip team, the match's name and From–To: the title and the chapter.
    QString caption;
};

struct TReelPlan {
    std::vector<TReelClip> clips;
    bool titles = false;
    // Empty: the size of the first clip's video.
    QSize size;
};

// A situation that the reel leaves out, and a sentence that names it and says why.
struct TReelSkip {
    QString message;
};

struct TReelSelection {
    TReelPlan plan;
    std::vector<TReelSkip> skipped;
};

// The length of a video in milliseconds; none when it cannot be read.
using TVideoLength = std::function<std::optional<std::int64_t>(const QString& path)>;

// Takes the set's sorted view as it is now. A video is looked for at its match's path, else
// in mediaFolder (empty, or ending with a separator) under its file name, as the repository
// locates it. A clip that runs past
// the end of its video is cut there.
TReelSelection PlanReel(const TSituationSet& set, const QString& mediaFolder,
                        const TVideoLength& videoLength);

// The WebVTT chapters of the reel: one cue per clip, from where it starts in the reel to where
// it ends, holding its caption.
QString ReelChapters(const TReelPlan& plan);
