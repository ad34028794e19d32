// Numbers the distinct texts of a small list for the many look-ups of a load or a
// recount (surnames, discipline names): one flat table, no allocation per text.
// The texts are not copied; they must outlive the index.
#pragma once
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

class TextIndex {
public:
    explicit TextIndex(size_t expected) {
        size_t room = 16;  // a power of two, at least twice the texts
        while (room < 2 * expected) room *= 2;
        slots_.assign(room, -1);
        texts_.reserve(expected);
    }

    // The number (0, 1, ...) of `text`, given to it on its first insertion.
    int Insert(std::string_view text) {
        size_t s = Slot(text);
        if (slots_[s] < 0) {
            if (2 * (texts_.size() + 1) > slots_.size()) {
                Grow();
                s = Slot(text);
            }
            slots_[s] = static_cast<int>(texts_.size());
            texts_.push_back(text);
        }
        return slots_[s];
    }
    // The number of `text`, -1 when it was never inserted.
    int Find(std::string_view text) const { return slots_[Slot(text)]; }
    bool Contains(std::string_view text) const { return Find(text) >= 0; }
    size_t size() const { return texts_.size(); }

private:
    // The first and the last eight bytes and the length: two loads whatever the length
    // (texts alike there only share a probe sequence).
    static std::uint64_t Hash(std::string_view text) {
        std::uint64_t head = 0, tail = 0;
        if (text.size() >= 8) {
            std::memcpy(&head, text.data(), 8);
            std::memcpy(&tail, text.data() + text.size() - 8, 8);
        } else if (!text.empty()) {
            std::memcpy(&head, text.data(), text.size());
        }
        std::uint64_t h = (head ^ (tail << 32 | tail >> 32) ^ text.size()) * 0x9E3779B97F4A7C15ULL;
        return h ^ (h >> 29);
    }
    // The slot of `text`, or the free slot where it would go.
    size_t Slot(std::string_view text) const {
        const size_t mask = slots_.size() - 1;
        size_t s = static_cast<size_t>(Hash(text)) & mask;
        while (slots_[s] >= 0 && texts_[static_cast<size_t>(slots_[s])] != text) s = (s + 1) & mask;
        return s;
    }
    void Grow() {
        slots_.assign(slots_.size() * 2, -1);
        for (size_t k = 0; k < texts_.size(); ++k) slots_[Slot(texts_[k])] = static_cast<int>(k);
    }

    std::vector<int> slots_;  // number of the text in the slot, -1 for a free one
    std::vector<std::string_view> texts_;
};
