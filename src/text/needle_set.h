#pragma once
// Many needles looked for in many texts at once: each text is read once, whatever the number of
// needles, and a needle is remembered as found from the first text that contains it on. The
// continuous import asks of each of its contests whether any stock entry, old or just added,
// contains its URL, without reading the stock list again for each one.
//
//   NeedleSet urls({"http://a.jp/", "http://b.jp/x/"});
//   urls.read("2001/05/31http://b.jp/x/");   urls.found("http://b.jp/x/") == true

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::text {

class NeedleSet {
public:
    explicit NeedleSet(const std::vector<std::string>& needles);

    // Reads a text: every needle it contains counts as found from now on.
    void read(std::string_view text);
    // Whether a text read so far contained the needle; nullopt for a needle the set was not made
    // with. The empty needle is found once any text has been read.
    std::optional<bool> found(std::string_view needle) const;

private:
    static constexpr std::uint32_t kNone = 0xFFFFFFFF;
    struct Node {
        std::uint32_t first_child = kNone;
        std::uint32_t next_sibling = kNone;
        std::uint32_t fail = 0;        // the node of the longest proper suffix that is in the trie
        std::uint32_t output = kNone;  // the nearest node down the fail links that ends a needle
        unsigned char byte = 0;
        bool ends_needle = false;
        bool found = false;
    };

    std::uint32_t child(std::uint32_t node, unsigned char byte) const;
    std::uint32_t add_child(std::uint32_t node, unsigned char byte);
    void link_failures();

    std::vector<Node> m_nodes;  // the trie of the needles' bytes; node 0 is the root
    bool m_read_any = false;
};

}  // namespace velmora::text
