#include "RtfReader.h"

#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>

#include <cctype>
#include <string>
#include <vector>

namespace {

struct TState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 0; // 0: the document's default size
    int colour = 0;     // index into the colour table; 0 is the default colour
    bool skip = false;  // inside a destination that shows nothing
    int unicodeSkip = 1;
};

class TRtfReader {
public:
    // The text starts at its opening brace.
    TRtfReader(QTextDocument& document, std::string_view text)
        : m_cursor(&document), m_text(text.substr(text.find('{'))) {}

    void Read() {
        TState state;
        std::vector<TState> stack;
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos];
            if (c == '{') {
                ++m_pos;
                stack.push_back(state);
                m_groupStart = true;
            } else if (c == '}') {
                ++m_pos;
                if (!stack.empty()) {
                    state = stack.back();
                    stack.pop_back();
                }
                m_inColourTable =
                    m_inColourTable && !stack.empty() && m_colourDepth <= stack.size();
            } else if (c == '\\') {
                ControlWord(state, stack.size());
            } else if (c == '\r' || c == '\n') {
                ++m_pos;
            } else {
                ++m_pos;
                m_groupStart = false;
                if (m_inColourTable && c == ';') {
                    m_colours.push_back(m_hasColour ? m_colour : QColor());
                    m_hasColour = false;
                    m_colour = QColor(0, 0, 0);
                } else if (!state.skip) {
                    Append(state, QString(QChar::fromLatin1(c)));
                }
            }
        }
    }

private:
    void ControlWord(TState& state, std::size_t depth) {
        ++m_pos; // the backslash
        if (m_pos >= m_text.size()) {
            return;
        }
        const char c = m_text[m_pos];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++m_pos;
            m_groupStart = false;
            switch (c) {
            case '\\':
            case '{':
            case '}':
                if (!state.skip) {
                    Append(state, QString(QChar::fromLatin1(c)));
                }
                break;
            case '~':
                if (!state.skip) {
                    Append(state, QString(QChar(0x00A0)));
                }
                break;
            case '_':
                if (!state.skip) {
                    Append(state, QString(QChar(0x2011)));
                }
                break;
            case '\'':
                Hex(state);
                break;
            case '*':
                state.skip = true; // an optional destination this reader does not know
                break;
            case '\r':
            case '\n':
                if (!state.skip) {
                    m_cursor.insertBlock();
                }
                break;
            default:
                break;
            }
            return;
        }
        std::string word;
        while (m_pos < m_text.size() && std::isalpha(static_cast<unsigned char>(m_text[m_pos]))) {
            word += m_text[m_pos++];
        }
        bool hasParameter = false;
        int parameter = 0;
        bool negative = false;
        if (m_pos < m_text.size() && m_text[m_pos] == '-') {
            negative = true;
            ++m_pos;
        }
        while (m_pos < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[m_pos]))) {
            hasParameter = true;
            parameter = std::min(parameter * 10 + (m_text[m_pos++] - '0'), 1 << 20);
        }
        if (negative) {
            parameter = -parameter;
        }
        if (m_pos < m_text.size() && m_text[m_pos] == ' ') {
            ++m_pos; // the delimiter belongs to the word
        }
        const bool groupStart = std::exchange(m_groupStart, false);
        Apply(state, word, hasParameter, parameter, groupStart, depth);
    }

    void Apply(TState& state, const std::string& word, bool hasParameter, int parameter,
               bool groupStart, std::size_t depth) {
        const bool on = !hasParameter || parameter != 0;
        if (word == "par" || word == "sect" || word == "page") {
            if (!state.skip) {
                m_cursor.insertBlock();
            }
        } else if (word == "line") {
            if (!state.skip) {
                Append(state, QString(QChar::LineSeparator));
            }
        } else if (word == "tab") {
            if (!state.skip) {
                Append(state, QStringLiteral("\t"));
            }
        } else if (word == "b") {
            state.bold = on;
        } else if (word == "i") {
            state.italic = on;
        } else if (word == "ul") {
            state.underline = on;
        } else if (word == "ulnone") {
            state.underline = false;
        } else if (word == "fs") {
            state.halfPoints = hasParameter ? std::clamp(parameter, 0, 400) : 0;
        } else if (word == "cf") {
            state.colour = hasParameter ? std::max(parameter, 0) : 0;
        } else if (word == "plain") {
            const TState kept = state;
            state = TState();
            state.skip = kept.skip;
            state.unicodeSkip = kept.unicodeSkip;
        } else if (word == "uc") {
            state.unicodeSkip = std::clamp(parameter, 0, 10);
        } else if (word == "u") {
            if (!state.skip) {
                const char16_t unit =
                    static_cast<char16_t>(parameter < 0 ? parameter + 65536 : parameter);
                Append(state, QString(QChar(unit)));
            }
            SkipFallback(state.unicodeSkip);
        } else if (word == "colortbl" && groupStart) {
            m_inColourTable = true;
            m_colourDepth = depth;
            m_colours.clear();
            m_hasColour = false;
            state.skip = true;
        } else if (m_inColourTable && (word == "red" || word == "green" || word == "blue")) {
            const int value = std::clamp(parameter, 0, 255);
            m_hasColour = true;
            if (word == "red") {
                m_colour.setRed(value);
            } else if (word == "green") {
                m_colour.setGreen(value);
            } else {
                m_colour.setBlue(value);
            }
        } else if (groupStart &&
                   (word == "fonttbl" || word == "stylesheet" || word == "info" || word == "pict" ||
                    word == "object" || word == "header" || word == "footer" || word == "headerl" ||
                    word == "headerr" || word == "footerl" || word == "footerr" ||
                    word == "footnote" || word == "listtable" || word == "listoverridetable" ||
                    word == "rsidtbl" || word == "generator" || word == "xmlnstbl" ||
                    word == "themedata" || word == "colorschememapping" || word == "latentstyles" ||
                    word == "datastore" || word == "fldinst")) {
            state.skip = true;
        } else if (word == "emdash" || word == "endash" || word == "bullet" || word == "lquote" ||
                   word == "rquote" || word == "ldblquote" || word == "rdblquote") {
            if (!state.skip) {
                static const std::pair<const char*, char16_t> kSymbols[] = {
                    {"emdash", 0x2014},   {"endash", 0x2013}, {"bullet", 0x2022},
                    {"lquote", 0x2018},   {"rquote", 0x2019}, {"ldblquote", 0x201C},
                    {"rdblquote", 0x201D}};
                for (const auto& [name, code] : kSymbols) {
                    if (word == name) {
                        Append(state, QString(QChar(code)));
                    }
                }
            }
        }
    }

    // The characters that stand in for a \u character where Unicode is not read.
    void SkipFallback(int count) {
        while (count > 0 && m_pos < m_text.size()) {
            const char c = m_text[m_pos];
            if (c == '{' || c == '}') {
                return;
            }
            if (c == '\\') {
                if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\'') {
                    m_pos = std::min(m_pos + 4, m_text.size());
                } else {
                    ++m_pos;
                    while (m_pos < m_text.size() &&
                           std::isalnum(static_cast<unsigned char>(m_text[m_pos]))) {
                        ++m_pos;
                    }
                    if (m_pos < m_text.size() && m_text[m_pos] == ' ') {
                        ++m_pos;
                    }
                }
            } else {
                ++m_pos;
            }
            --count;
        }
    }

    void Hex(TState& state) {
        if (m_pos + 2 > m_text.size()) {
            m_pos = m_text.size();
            return;
        }
        bool ok = false;
        const int code = QByteArray(m_text.data() + m_pos, 2).toInt(&ok, 16);
        m_pos += 2;
        if (!ok || state.skip) {
            return;
        }
        const char byte = static_cast<char>(code);
        QStringDecoder decoder("Windows-1252");
        const QString character = decoder.decode(QByteArrayView(&byte, 1));
        Append(state, character.isEmpty() ? QString(QChar(code)) : character);
    }

    void Append(const TState& state, const QString& text) {
        QTextCharFormat format;
        format.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(state.italic);
        format.setFontUnderline(state.underline);
        if (state.halfPoints > 0) {
            format.setFontPointSize(state.halfPoints / 2.0);
        }
        const auto colour = static_cast<std::size_t>(state.colour);
        if (state.colour > 0 && colour < m_colours.size() && m_colours[colour].isValid()) {
            format.setForeground(m_colours[colour]);
        }
        m_cursor.insertText(text, format);
    }

    QTextCursor m_cursor;
    std::string_view m_text;
    std::size_t m_pos = 0;
    bool m_groupStart = false;
    bool m_inColourTable = false;
    std::size_t m_colourDepth = 0;
    std::vector<QColor> m_colours;
    QColor m_colour{0, 0, 0};
    bool m_hasColour = false;
};

} // namespace

bool IsRtf(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    return start != std::string_view::npos && text.substr(start, 5) == "{\\rtf";
}

void LoadNote(QTextDocument& document, std::string_view note) {
    document.clear();
    if (!IsRtf(note)) {
        document.setPlainText(QString::fromUtf8(note.data(), static_cast<qsizetype>(note.size())));
        return;
    }
    TRtfReader(document, note).Read();
}
