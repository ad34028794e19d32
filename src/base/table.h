// Fixed-capacity, 1-based, bounds-checked table: the storage of every model list.
#pragma once
#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>

template <class T, int Capacity>
class Table {
public:
    static constexpr int capacity = Capacity;

    // Every slot starts as a default entry. Class entries are built by their own
    // constructors only (no zero-fill of the whole table first); plain numbers are zeroed.
    Table() {
        if constexpr (std::is_scalar_v<T>) items_.fill(T{});
    }

    int size() const { return size_; }
    bool empty() const { return size_ == 0; }
    bool full() const { return size_ >= Capacity; }
    bool valid(int i) const { return i >= 1 && i <= size_; }

    T& operator[](int i) { return items_[Check(i)]; }
    const T& operator[](int i) const { return items_[Check(i)]; }
    // Slots up to the capacity, whether in use or not (for positional files).
    T& slot(int i) {
        size_t k = CheckSlot(i);
        if (i > used_) used_ = i;
        return items_[k];
    }
    const T& slot(int i) const { return items_[CheckSlot(i)]; }

    // Every slot back to its default; only slots ever handed out can differ from it.
    void clear() {
        for (int i = 0; i < used_; ++i) items_[i] = T{};
        size_ = used_ = 0;
    }
    // Sets the number of entries in use; beyond the capacity is a logic error.
    void resize(int n) {
        if (n < 0 || n > Capacity) throw std::out_of_range("table size " + std::to_string(n));
        for (int i = n; i < size_; ++i) items_[i] = T{};
        size_ = n;
        if (n > used_) used_ = n;
    }
    T& push_back(const T& item) {
        if (full()) throw std::out_of_range("table full");
        items_[size_] = item;
        if (size_ + 1 > used_) used_ = size_ + 1;
        return items_[size_++];
    }
    T& push_back(T&& item) {
        if (full()) throw std::out_of_range("table full");
        items_[size_] = std::move(item);
        if (size_ + 1 > used_) used_ = size_ + 1;
        return items_[size_++];
    }

    T* begin() { return items_.data(); }
    T* end() { return items_.data() + size_; }
    const T* begin() const { return items_.data(); }
    const T* end() const { return items_.data() + size_; }

private:
    size_t Check(int i) const {
        if (i < 1 || i > size_) throw std::out_of_range("table index " + std::to_string(i));
        return static_cast<size_t>(i - 1);
    }
    size_t CheckSlot(int i) const {
        if (i < 1 || i > Capacity) throw std::out_of_range("table slot " + std::to_string(i));
        return static_cast<size_t>(i - 1);
    }
    std::array<T, Capacity> items_;
    int size_ = 0;
    int used_ = 0;  // slots 1..used_ may differ from the default; always at least size_
};
