#pragma once

#include <QByteArray>

#include <cstdint>

// Follows the root tags of a movie's plain body (the bytes after the 8-byte file header) as
// the body goes past, piece by piece, to learn whether the data ends where a tag ends. The
// body may come from a file or straight from an expansion; the scanner keeps no more than a
// tag header. Bytes after the root End tag are not looked at.
class SwfTagScanner {
public:
    // Takes the next piece of the body.
    void Feed(const char* data, int64_t size);
    // How many of the next bytes the scanner only passes over (the rest of the current tag's
    // data): a reader of a file may Skip them instead of reading them.
    int64_t Skippable() const { return m_state == State::TagData ? m_skip : 0; }
    void Skip(int64_t count);

    bool HeaderComplete() const { return m_state != State::Header; }
    bool EndTagSeen() const { return m_state == State::Done; }
    // Bytes fed and skipped so far.
    int64_t BodySize() const { return m_bodySize; }
    // With the data at its end: true when it ends inside the movie header, a tag header or a
    // tag's data.
    bool EndsInsideTag() const;
    // The data ends inside the data of a tag whose header was read: CutTagCode is its code.
    bool CutTagKnown() const { return m_codeKnown && m_state == State::TagData; }
    uint16_t CutTagCode() const { return m_code; }

private:
    enum class State { Header, TagHeader, TagData, Done };

    // Bytes of the movie header once its first byte (the rectangle's field width) is known.
    int64_t HeaderBytes() const;
    void TakeTagHeader();

    State m_state = State::Header;
    QByteArray m_pending;  // the header or tag header read so far
    int64_t m_skip = 0;    // tag data still to pass over
    int64_t m_bodySize = 0;
    uint16_t m_code = 0;
    bool m_codeKnown = false;
};
