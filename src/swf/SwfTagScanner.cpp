#include "swf/SwfTagScanner.h"

#include "base/ByteReader.h"
#include "swf/SwfTag.h"

#include <algorithm>

int64_t SwfTagScanner::HeaderBytes() const
{
    // The rectangle: 5 bits of field width and four fields; then rate and count.
    const int bits = static_cast<uint8_t>(m_pending[0]) >> 3;
    return (5 + 4 * bits + 7) / 8 + 4;
}

void SwfTagScanner::TakeTagHeader()
{
    ByteReader reader(m_pending);
    SwfTagHeader tag;
    if (!ReadSwfTagHeader(reader, m_pending.size(), tag))
        return;  // a long header still waits for its length
    m_pending.clear();
    m_code = tag.code;
    m_codeKnown = true;
    if (tag.code == SwfTagCode::kEnd) {
        m_state = State::Done;
    } else if (tag.length > 0) {
        m_skip = tag.length;
        m_state = State::TagData;
    }
}

void SwfTagScanner::Feed(const char* data, int64_t size)
{
    m_bodySize += std::max<int64_t>(size, 0);
    while (size > 0 && m_state != State::Done) {
        int64_t take = 0;
        switch (m_state) {
        case State::TagData:
            take = std::min(size, m_skip);
            m_skip -= take;
            if (m_skip == 0)
                m_state = State::TagHeader;
            break;
        case State::Header:
            take = std::min<int64_t>(size, m_pending.isEmpty() ? 1 : HeaderBytes() - m_pending.size());
            m_pending.append(data, static_cast<qsizetype>(take));
            if (m_pending.size() == HeaderBytes()) {
                m_pending.clear();
                m_state = State::TagHeader;
            }
            break;
        case State::TagHeader:
            if (m_pending.isEmpty())
                m_codeKnown = false;
            take = std::min<int64_t>(size, (m_pending.size() < 2 ? 2 : 6) - m_pending.size());
            m_pending.append(data, static_cast<qsizetype>(take));
            if (m_pending.size() >= 2)
                TakeTagHeader();
            break;
        case State::Done:
            break;
        }
        data += take;
        size -= take;
    }
}

void SwfTagScanner::Skip(int64_t count)
{
    count = std::clamp<int64_t>(count, 0, Skippable());
    m_bodySize += count;
    m_skip -= count;
    if (m_state == State::TagData && m_skip == 0)
        m_state = State::TagHeader;
}

bool SwfTagScanner::EndsInsideTag() const
{
    switch (m_state) {
    case State::Header:
        return true;
    case State::TagHeader:
        return !m_pending.isEmpty();
    case State::TagData:
        return m_skip > 0;
    case State::Done:
        break;
    }
    return false;
}
