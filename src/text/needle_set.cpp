#include "text/needle_set.h"

#include <deque>

#include "text/step_count.h"

namespace velmora::text {

NeedleSet::NeedleSet(const std::vector<std::string>& needles) : m_nodes(1) {
    for (const std::string& needle : needles) {
        if (needle.empty()) {
            continue;  // found once any text is read, without the trie
        }
        std::uint32_t node = 0;
        for (const char c : needle) {
            const auto byte = static_cast<unsigned char>(c);
            const std::uint32_t next = child(node, byte);
            node = next != kNone ? next : add_child(node, byte);
        }
        m_nodes[node].ends_needle = true;
    }
    link_failures();
}

std::uint32_t NeedleSet::child(std::uint32_t node, unsigned char byte) const {
    for (std::uint32_t c = m_nodes[node].first_child; c != kNone; c = m_nodes[c].next_sibling) {
        if (m_nodes[c].byte == byte) {
            return c;
        }
    }
    return kNone;
}

std::uint32_t NeedleSet::add_child(std::uint32_t node, unsigned char byte) {
    const auto added = static_cast<std::uint32_t>(m_nodes.size());
    Node fresh;
    fresh.byte = byte;
    fresh.next_sibling = m_nodes[node].first_child;
    m_nodes.push_back(fresh);
    m_nodes[node].first_child = added;
    return added;
}

// Breadth first, so that the links of every shorter prefix are known before they are followed.
void NeedleSet::link_failures() {
    std::deque<std::uint32_t> queue;
    for (std::uint32_t c = m_nodes[0].first_child; c != kNone; c = m_nodes[c].next_sibling) {
        queue.push_back(c);  // a needle's first byte falls back to the root
    }
    while (!queue.empty()) {
        const std::uint32_t node = queue.front();
        queue.pop_front();
        for (std::uint32_t c = m_nodes[node].first_child; c != kNone; c = m_nodes[c].next_sibling) {
            const unsigned char byte = m_nodes[c].byte;
            std::uint32_t fallback = m_nodes[node].fail;
            while (fallback != 0 && child(fallback, byte) == kNone) {
                fallback = m_nodes[fallback].fail;
            }
            const std::uint32_t target = child(fallback, byte);
            m_nodes[c].fail = target != kNone ? target : 0;
            const Node& fail = m_nodes[m_nodes[c].fail];
            m_nodes[c].output = fail.ends_needle ? m_nodes[c].fail : fail.output;
            queue.push_back(c);
        }
    }
}

void NeedleSet::read(std::string_view text) {
    m_read_any = true;
    std::uint32_t node = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        std::uint32_t next = child(node, byte);
        count_steps(1);
        while (next == kNone && node != 0) {
            node = m_nodes[node].fail;
            next = child(node, byte);
            count_steps(1);
        }
        node = next == kNone ? 0 : next;
        // Every needle that ends here is found. A needle found before had the shorter needles
        // that end with it found at the same time, so the walk stops at the first one found.
        std::uint32_t out = m_nodes[node].ends_needle ? node : m_nodes[node].output;
        while (out != kNone && !m_nodes[out].found) {
            m_nodes[out].found = true;
            out = m_nodes[out].output;
            count_steps(1);
        }
    }
}

std::optional<bool> NeedleSet::found(std::string_view needle) const {
    if (needle.empty()) {
        return m_read_any;
    }
    std::uint32_t node = 0;
    for (const char c : needle) {
        node = child(node, static_cast<unsigned char>(c));
        if (node == kNone) {
            return std::nullopt;
        }
    }
    if (!m_nodes[node].ends_needle) {
        return std::nullopt;
    }
    return m_nodes[node].found;
}

}  // namespace velmora::text
