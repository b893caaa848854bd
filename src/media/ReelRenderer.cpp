// GLib's headers come before Qt's, whose "signals" keyword they use as a name.
#include <ges/ges.h>
#include <gst/pbutils/pbutils.h>

#include "ReelRenderer.h"

#include "AtomicFile.h"
#include "ReelPlan.h"

#include <QFileInfo>
#include <QUrl>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kPollMs = 100;
constexpr std::int64_t kTitleMs = 4000; // how long a caption stays over its clip
constexpr GstClockTime kNsPerMs = GST_MSECOND;

void InitGes() {
    static const bool ready = [] {
        gst_init(nullptr, nullptr);
        return ges_init() != FALSE;
    }();
    if (!ready) {
        throw std::runtime_error("GStreamer Editing Services cannot be started.");
    }
}

template <class T> struct TGUnref {
    void operator()(T* object) const { g_object_unref(object); }
};
template <class T> using TGPtr = std::unique_ptr<T, TGUnref<T>>;

struct TGErrorFree {
    void operator()(GError* error) const { g_error_free(error); }
};

// One stream of a format: the caps it is encoded to, the encoders that can do it (the first
// one installed is used), where they come from, and the settings that make it fast enough.
struct TStreamFormat {
    const char* caps;
    std::vector<const char*> encoders;
    const char* package;
    const char* properties; // a GstStructure of the encoder's properties, or null
};

struct TFormat {
    const char* extension;
    const char* name;
    const char* container;
    const char* muxer;
    const char* muxerPackage;
    TStreamFormat video;
    TStreamFormat audio;
};

const TFormat kFormats[] = {
    {".webm",
     "WebM",
     "video/webm",
     "webmmux",
     "gstreamer1.0-plugins-good",
     // The real-time deadline keeps the render well ahead of the clock on a small machine.
     {"video/x-vp8",
      {"vp8enc"},
      "gstreamer1.0-plugins-good",
      "element-properties, deadline=(gint64)1, cpu-used=(int)4, threads=(int)2"},
     {"audio/x-vorbis", {"vorbisenc"}, "gstreamer1.0-plugins-base", nullptr}},
    {".mp4",
     "MP4",
     "video/quicktime, variant=(string)iso",
     "mp4mux",
     "gstreamer1.0-plugins-good",
     {"video/x-h264", {"x264enc", "openh264enc"}, "gstreamer1.0-plugins-ugly", nullptr},
     {"audio/mpeg, mpegversion=(int)4",
      {"fdkaacenc", "voaacenc", "avenc_aac"},
      "gstreamer1.0-plugins-bad",
      nullptr}},
};

[[noreturn]] void Fail(const QString& output, const QString& reason) {
    throw std::runtime_error(
        QStringLiteral("Cannot export \"%1\": %2.").arg(output, reason).toStdString());
}

const TFormat& FormatOf(const QString& output) {
    for (const TFormat& format : kFormats) {
        if (output.endsWith(QLatin1String(format.extension), Qt::CaseInsensitive)) {
            return format;
        }
    }
    Fail(output, QStringLiteral("the file name must end with .webm or .mp4"));
}

bool Installed(const char* factory) {
    TGPtr<GstElementFactory> found(gst_element_factory_find(factory));
    return found != nullptr;
}

const char* EncoderOf(const QString& output, const TFormat& format, const TStreamFormat& stream,
                      const char* what) {
    for (const char* encoder : stream.encoders) {
        if (Installed(encoder)) {
            return encoder;
        }
    }
    Fail(output, QStringLiteral("%1 needs a %2 encoder (%3), which is not installed; install %4")
                     .arg(QLatin1String(format.name), QLatin1String(what),
                          QLatin1String(stream.encoders.front()), QLatin1String(stream.package)));
}

GstEncodingProfile* StreamProfile(GstEncodingProfile* profile, const char* encoder,
                                  const char* properties) {
    gst_encoding_profile_set_preset_name(profile, encoder);
    if (properties) {
        gst_encoding_profile_set_element_properties(profile,
                                                    gst_structure_from_string(properties, nullptr));
    }
    return profile;
}

// Checks every element the format needs before anything is written.
GstEncodingProfile* ProfileFor(const QString& output, bool audio) {
    const TFormat& format = FormatOf(output);
    if (!Installed(format.muxer)) {
        Fail(output, QStringLiteral("%1 needs %2, which is not installed; install %3")
                         .arg(QLatin1String(format.name), QLatin1String(format.muxer),
                              QLatin1String(format.muxerPackage)));
    }
    const char* videoEncoder = EncoderOf(output, format, format.video, "video");
    const char* audioEncoder = audio ? EncoderOf(output, format, format.audio, "audio") : nullptr;

    GstCaps* caps = gst_caps_from_string(format.container);
    GstEncodingContainerProfile* container =
        gst_encoding_container_profile_new("reel", nullptr, caps, nullptr);
    gst_caps_unref(caps);
    caps = gst_caps_from_string(format.video.caps);
    gst_encoding_container_profile_add_profile(
        container, StreamProfile(GST_ENCODING_PROFILE(
                                     gst_encoding_video_profile_new(caps, nullptr, nullptr, 0)),
                                 videoEncoder, format.video.properties));
    gst_caps_unref(caps);
    if (audioEncoder) {
        caps = gst_caps_from_string(format.audio.caps);
        gst_encoding_container_profile_add_profile(
            container, StreamProfile(GST_ENCODING_PROFILE(
                                         gst_encoding_audio_profile_new(caps, nullptr, nullptr, 0)),
                                     audioEncoder, format.audio.properties));
        gst_caps_unref(caps);
    }
    return GST_ENCODING_PROFILE(container);
}

QString UriOf(const QString& path) {
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded);
}

// The asset of a video, which GES keeps for the process once it has read it.
GESUriClipAsset* AssetOf(const QString& path, QString* problem = nullptr) {
    InitGes();
    GError* error = nullptr;
    GESUriClipAsset* asset =
        ges_uri_clip_asset_request_sync(UriOf(path).toUtf8().constData(), &error);
    std::unique_ptr<GError, TGErrorFree> owned(error);
    if (!asset && problem) {
        *problem = error ? QString::fromUtf8(error->message) : QStringLiteral("unreadable");
    }
    return asset;
}

struct TVideoFacts {
    QSize size{320, 240};
    int rateNumerator = 25;
    int rateDenominator = 1;
};

TVideoFacts FactsOf(GESUriClipAsset* asset) {
    TVideoFacts facts;
    GstDiscovererInfo* info = ges_uri_clip_asset_get_info(asset);
    GList* streams = gst_discoverer_info_get_video_streams(info);
    if (streams) {
        auto* video = GST_DISCOVERER_VIDEO_INFO(streams->data);
        facts.size = QSize(static_cast<int>(gst_discoverer_video_info_get_width(video)),
                           static_cast<int>(gst_discoverer_video_info_get_height(video)));
        const int numerator = static_cast<int>(gst_discoverer_video_info_get_framerate_num(video));
        const int denominator =
            static_cast<int>(gst_discoverer_video_info_get_framerate_denom(video));
        if (numerator > 0 && denominator > 0) {
            facts.rateNumerator = numerator;
            facts.rateDenominator = denominator;
        }
    }
    gst_discoverer_stream_info_list_free(streams);
    return facts;
}

bool HasAudio(GESUriClipAsset* asset) {
    GList* streams = gst_discoverer_info_get_audio_streams(ges_uri_clip_asset_get_info(asset));
    const bool audio = streams != nullptr;
    gst_discoverer_stream_info_list_free(streams);
    return audio;
}

// A new file beside the output that nobody else uses, with the mode the output will have:
// that of the file it replaces, else what the umask leaves of read and write for all.
// Answers whether the output replaces a file, whose mode is then in mode.
std::string ReserveTemporaryFile(const QString& output, bool* replacing, mode_t* mode) {
    const std::string path = QFileInfo(output).absoluteFilePath().toStdString();
    struct stat existing {};
    *replacing = ::stat(path.c_str(), &existing) == 0;
    *mode = *replacing ? (existing.st_mode & 07777) : 0666;
    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::string temp = path + ".tmp" + std::to_string(random() % 1000000);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, *mode);
        if (fd >= 0) {
            ::close(fd);
            return temp;
        }
        if (errno != EEXIST) {
            Fail(output, QString::fromLocal8Bit(std::strerror(errno)));
        }
    }
    Fail(output, QStringLiteral("no temporary file could be created"));
}

void AddTitle(GESLayer* layer, const QString& caption, GstClockTime start, GstClockTime duration,
              int height) {
    GError* error = nullptr;
    GESAsset* asset = ges_asset_request(GES_TYPE_OVERLAY_TEXT_CLIP, nullptr, &error);
    std::unique_ptr<GError, TGErrorFree> owned(error);
    if (!asset) {
        return; // a reel without captions is still a reel
    }
    GESClip* clip = ges_layer_add_asset(layer, asset, start, 0, duration, GES_TRACK_TYPE_VIDEO);
    gst_object_unref(asset);
    if (!clip) {
        return;
    }
    auto* title = GES_OVERLAY_TEXT_CLIP(clip);
    ges_text_overlay_clip_set_text(title, caption.toUtf8().constData());
    // Small and low, so that the picture stays readable.
    const QString font = QStringLiteral("Sans Bold %1px").arg(std::max(10, height / 18));
    ges_text_overlay_clip_set_font_desc(title, font.toUtf8().constData());
    ges_text_overlay_clip_set_valign(title, GES_TEXT_VALIGN_BOTTOM);
    ges_text_overlay_clip_set_halign(title, GES_TEXT_HALIGN_LEFT);
}

} // namespace

struct TReelRenderer::TRender {
    GstElement* pipeline = nullptr; // owned
    IReelListener* listener = nullptr;
    QString output;
    QString chaptersPath;
    QString chapters; // the text, written when the video is complete
    std::string temp;
    bool replacing = false;
    mode_t mode = 0666;
    double totalSeconds = 0;

    ~TRender() {
        if (pipeline) {
            gst_element_set_state(pipeline, GST_STATE_NULL);
            gst_object_unref(pipeline);
        }
        if (!temp.empty()) {
            ::unlink(temp.c_str());
        }
    }
};

TReelRenderer::TReelRenderer() {
    m_poll.setInterval(kPollMs);
    QObject::connect(&m_poll, &QTimer::timeout, [this] { Poll(); });
}

TReelRenderer::~TReelRenderer() = default;

std::optional<std::int64_t> TReelRenderer::VideoLengthMs(const QString& path) {
    GESUriClipAsset* asset = AssetOf(path);
    if (!asset) {
        return std::nullopt;
    }
    const GstClockTime duration = ges_uri_clip_asset_get_duration(asset);
    gst_object_unref(asset);
    if (!GST_CLOCK_TIME_IS_VALID(duration)) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(duration / kNsPerMs);
}

QString TReelRenderer::ChaptersPath(const QString& outputPath) {
    const QFileInfo info(outputPath);
    const QString suffix = info.suffix();
    return suffix.isEmpty()
               ? outputPath + QStringLiteral(".vtt")
               : outputPath.left(outputPath.size() - suffix.size()) + QStringLiteral("vtt");
}

void TReelRenderer::Start(const TReelPlan& plan, const QString& outputPath,
                          IReelListener* listener) {
    if (m_render) {
        throw std::runtime_error("A reel is being rendered already.");
    }
    if (plan.clips.empty()) {
        Fail(outputPath, QStringLiteral("there are no clips"));
    }
    InitGes();

    // The videos first: the first one gives the reel its picture size and frame rate.
    std::map<QString, GESUriClipAsset*> assets;
    struct TAssetsUnref {
        std::map<QString, GESUriClipAsset*>& assets;
        ~TAssetsUnref() {
            for (auto& [path, asset] : assets) {
                gst_object_unref(asset);
            }
        }
    } unrefAssets{assets};
    bool audio = false;
    for (const TReelClip& clip : plan.clips) {
        if (assets.count(clip.videoFile)) {
            continue;
        }
        QString problem;
        GESUriClipAsset* asset = AssetOf(clip.videoFile, &problem);
        if (!asset) {
            Fail(outputPath,
                 QStringLiteral("\"%1\" cannot be read: %2").arg(clip.videoFile, problem));
        }
        assets[clip.videoFile] = asset;
        audio = audio || HasAudio(asset);
    }
    TVideoFacts facts = FactsOf(assets.at(plan.clips.front().videoFile));
    if (!plan.size.isEmpty()) {
        facts.size = plan.size;
    }

    // Renamed over one of its own sources, the reel would destroy a match's video.
    const QString existing = QFileInfo(outputPath).canonicalFilePath();
    if (!existing.isEmpty()) {
        for (const auto& [path, asset] : assets) {
            if (QFileInfo(path).canonicalFilePath() == existing) {
                Fail(outputPath, QStringLiteral("it is one of the videos of the clips"));
            }
        }
    }

    const TGPtr<GstEncodingProfile> profile(ProfileFor(outputPath, audio));
    auto render = std::make_unique<TRender>();
    render->listener = listener;
    render->output = outputPath;
    render->chaptersPath = ChaptersPath(outputPath);
    render->chapters = ReelChapters(plan);
    render->temp = ReserveTemporaryFile(outputPath, &render->replacing, &render->mode);

    const TGPtr<GESTimeline> timeline(GES_TIMELINE(gst_object_ref_sink(ges_timeline_new())));
    GESVideoTrack* video = ges_video_track_new();
    GstCaps* restriction =
        gst_caps_new_simple("video/x-raw", "width", G_TYPE_INT, facts.size.width(), "height",
                            G_TYPE_INT, facts.size.height(), "framerate", GST_TYPE_FRACTION,
                            facts.rateNumerator, facts.rateDenominator, nullptr);
    ges_track_set_restriction_caps(GES_TRACK(video), restriction);
    gst_caps_unref(restriction);
    ges_timeline_add_track(timeline.get(), GES_TRACK(video));
    if (audio) {
        ges_timeline_add_track(timeline.get(), GES_TRACK(ges_audio_track_new()));
    }
    // The layer of lower priority number lies on top: the captions over the clips.
    GESLayer* titles = plan.titles ? ges_timeline_append_layer(timeline.get()) : nullptr;
    GESLayer* clips = ges_timeline_append_layer(timeline.get());

    GstClockTime at = 0;
    for (const TReelClip& clip : plan.clips) {
        const GstClockTime duration = static_cast<GstClockTime>(clip.durationMs) * kNsPerMs;
        GESClip* added = ges_layer_add_asset(clips, GES_ASSET(assets.at(clip.videoFile)), at,
                                             static_cast<GstClockTime>(clip.inMs) * kNsPerMs,
                                             duration, GES_TRACK_TYPE_UNKNOWN);
        if (!added) {
            Fail(outputPath, QStringLiteral("\"%1\" cannot be cut").arg(clip.videoFile));
        }
        if (titles) {
            AddTitle(titles, clip.caption, at,
                     std::min(duration, static_cast<GstClockTime>(kTitleMs) * kNsPerMs),
                     facts.size.height());
        }
        at += duration;
    }
    ges_timeline_commit(timeline.get());
    render->totalSeconds = static_cast<double>(at) / GST_SECOND;

    GESPipeline* pipeline = ges_pipeline_new();
    render->pipeline = GST_ELEMENT(gst_object_ref_sink(pipeline));
    ges_pipeline_set_timeline(pipeline, timeline.get());
    const QString uri =
        QUrl::fromLocalFile(QString::fromStdString(render->temp)).toString(QUrl::FullyEncoded);
    if (!ges_pipeline_set_render_settings(pipeline, uri.toUtf8().constData(), profile.get()) ||
        !ges_pipeline_set_mode(pipeline, GES_PIPELINE_MODE_RENDER)) {
        Fail(outputPath, QStringLiteral("the encoder cannot be set up"));
    }
    if (gst_element_set_state(render->pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        Fail(outputPath, QStringLiteral("the render cannot start"));
    }
    m_render = std::move(render);
    m_poll.start();
}

void TReelRenderer::Cancel() {
    if (IReelListener* listener = Abandon()) {
        listener->ReelCancelled();
    }
}

bool TReelRenderer::IsRunning() {
    return m_render != nullptr;
}

IReelListener* TReelRenderer::Abandon() {
    m_poll.stop();
    if (!m_render) {
        return nullptr;
    }
    IReelListener* listener = m_render->listener;
    m_render.reset();
    return listener;
}

void TReelRenderer::Poll() {
    if (!m_render) {
        return;
    }
    GstElement* pipeline = m_render->pipeline;
    TGPtr<GstBus> bus(gst_element_get_bus(pipeline));
    while (GstMessage* message = gst_bus_pop_filtered(
               bus.get(), static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR))) {
        std::unique_ptr<GstMessage, decltype(&gst_message_unref)> owned(message,
                                                                        &gst_message_unref);
        if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) {
            GError* error = nullptr;
            gst_message_parse_error(message, &error, nullptr);
            std::unique_ptr<GError, TGErrorFree> ownedError(error);
            const QString text =
                QStringLiteral("Cannot export \"%1\": %2.")
                    .arg(m_render->output, error ? QString::fromUtf8(error->message)
                                                 : QStringLiteral("the render failed"));
            if (IReelListener* listener = Abandon()) {
                listener->ReelFailed(text);
            }
            return;
        }
        // The end: the file is complete once the pipeline has let go of it.
        gst_element_set_state(pipeline, GST_STATE_NULL);
        QString problem;
        const int fd = ::open(m_render->temp.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 || ::fsync(fd) != 0 ||
            (m_render->replacing && ::fchmod(fd, m_render->mode) != 0)) {
            problem = QString::fromLocal8Bit(std::strerror(errno));
        }
        if (fd >= 0) {
            ::close(fd);
        }
        // The chapters are written first but put in place only after the video: a video that
        // cannot be renamed leaves the chapters of the file it would have replaced.
        std::optional<TAtomicFile> chapters;
        if (problem.isEmpty()) {
            try {
                chapters.emplace(m_render->chaptersPath.toStdString());
                chapters->Write(m_render->chapters.toStdString());
            } catch (const std::exception& e) {
                problem = QString::fromStdString(e.what());
            }
        }
        if (problem.isEmpty() &&
            ::rename(m_render->temp.c_str(), m_render->output.toLocal8Bit().constData()) != 0) {
            problem = QString::fromLocal8Bit(std::strerror(errno));
        }
        if (problem.isEmpty()) {
            m_render->temp.clear(); // renamed: nothing to remove
            try {
                chapters->Commit();
            } catch (const std::exception& e) {
                problem = QString::fromStdString(e.what());
            }
        }
        const QString output = m_render->output;
        IReelListener* listener = Abandon();
        if (!listener) {
            return;
        }
        if (problem.isEmpty()) {
            listener->ReelFinished();
        } else {
            listener->ReelFailed(QStringLiteral("Cannot export \"%1\": %2.").arg(output, problem));
        }
        return;
    }
    gint64 position = 0;
    if (gst_element_query_position(pipeline, GST_FORMAT_TIME, &position) && position >= 0) {
        m_render->listener->ReelProgress(
            std::min(static_cast<double>(position) / GST_SECOND, m_render->totalSeconds),
            m_render->totalSeconds);
    }
}
