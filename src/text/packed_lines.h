#pragma once
// A list of texts kept in one block of bytes: a newsletter's lines and a list box's rows. Adding a
// text copies its bytes and costs no allocation of its own, so lists of 100,000s of short texts
// fill, clear and go away quickly. Views handed out stay valid until the list next changes.

#include <compare>
#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::text {

class PackedLines {
public:
    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        const_iterator(const PackedLines* lines, std::size_t i) : m_lines(lines), m_i(i) {}
        std::string_view operator*() const { return (*m_lines)[m_i]; }
        std::string_view operator[](difference_type n) const { return *(*this + n); }
        const_iterator& operator++() { return *this += 1; }
        const_iterator operator++(int) {
            const_iterator old = *this;
            ++*this;
            return old;
        }
        const_iterator& operator--() { return *this -= 1; }
        const_iterator operator--(int) {
            const_iterator old = *this;
            --*this;
            return old;
        }
        const_iterator& operator+=(difference_type n) {
            m_i = static_cast<std::size_t>(static_cast<difference_type>(m_i) + n);
            return *this;
        }
        const_iterator& operator-=(difference_type n) { return *this += -n; }
        friend const_iterator operator+(const_iterator it, difference_type n) { return it += n; }
        friend const_iterator operator+(difference_type n, const_iterator it) { return it += n; }
        friend const_iterator operator-(const_iterator it, difference_type n) { return it -= n; }
        friend difference_type operator-(const const_iterator& a, const const_iterator& b) {
            return static_cast<difference_type>(a.m_i) - static_cast<difference_type>(b.m_i);
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) { return a.m_i == b.m_i; }
        friend auto operator<=>(const const_iterator& a, const const_iterator& b) { return a.m_i <=> b.m_i; }

    private:
        const PackedLines* m_lines = nullptr;
        std::size_t m_i = 0;
    };
    using iterator = const_iterator;
    using value_type = std::string_view;
    using size_type = std::size_t;

    PackedLines() = default;
    PackedLines(std::initializer_list<std::string_view> texts);
    PackedLines(const std::vector<std::string>& texts);  // NOLINT(google-explicit-constructor)

    std::size_t size() const { return m_spans.size(); }
    bool empty() const { return m_spans.empty(); }
    // i must be below size().
    std::string_view operator[](std::size_t i) const {
        return std::string_view(m_bytes).substr(m_spans[i].offset, m_spans[i].length);
    }
    std::string_view back() const { return (*this)[size() - 1]; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    // Each of these accepts a text that is a view into this list.
    void push_back(std::string_view text);
    void insert(std::size_t i, std::string_view text);
    void assign(std::size_t i, std::string_view text);
    void erase(std::size_t i);
    // Empties the list; the block keeps its room for the next texts.
    void clear();
    void reserve(std::size_t texts, std::size_t bytes);

    // The pieces of `text` between separators, as text::split gives them: one more piece than
    // separators, none for the empty text, the whole text for an empty separator. The text becomes
    // the list's block, so a text handed over costs no copy.
    void assign_split(std::string text, std::string_view separator);

    // Empties the list and hands over its block, emptied, to be filled and given back to
    // assign_split: reading texts of the same size again then costs no new room.
    std::string take_block();

    // The rows that contain `needle`, in list order; every row for the empty needle. While the
    // rows lie in the block in list order (rows were only added at the end, or removed), one
    // search over the whole block finds them; otherwise each row is searched.
    std::vector<std::size_t> rows_containing(std::string_view needle) const;

    std::vector<std::string> to_vector() const;

    friend bool operator==(const PackedLines& a, const PackedLines& b);
    friend bool operator==(const PackedLines& a, const std::vector<std::string>& b);

private:
    struct Span {
        std::size_t offset;
        std::size_t length;
    };
    Span append_bytes(std::string_view text);
    void compact_if_wasteful();

    std::string m_bytes;
    std::vector<Span> m_spans;
    std::size_t m_unused = 0;  // bytes of texts since replaced or removed
    bool m_in_order = true;    // each row's bytes lie after those of the row before it
};

}  // namespace velmora::text
