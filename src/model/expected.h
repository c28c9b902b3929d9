#pragma once
// A value or the error that explains why there is none: the one result type of the program.
// Core operations and the windows return these instead of throwing or keeping a "last error",
// so every failure turns into a message in one place. An operation with nothing to give back
// returns Expected<Done, E>.

#include <utility>
#include <variant>

namespace zan {

// The value of an operation that gives nothing back but can fail: Expected<Done, E>.
struct Done {
    bool operator==(const Done&) const = default;
};

template <typename E>
struct Failure {
    E error;
};

template <typename E>
Failure<E> failure(E error) {
    return Failure<E>{std::move(error)};
}

template <typename T, typename E>
class Expected {
  public:
    Expected(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    Expected(Failure<E> f) : m_state(std::in_place_index<1>, std::move(f.error)) {}

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() { return std::get<0>(m_state); }
    const T& value() const { return std::get<0>(m_state); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }

    const E& error() const { return std::get<1>(m_state); }

  private:
    std::variant<T, E> m_state;
};

}  // namespace zan
