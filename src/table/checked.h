#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace pixmint {

// The one way the pure layers fail: a value, or the Turkish message that says why there is
// none. A value read from a window's texts keeps its failure until the road reaches the
// check that reports it, so that the order of the messages stays the order a person meets
// them.
template <typename T>
class Checked {
public:
    Checked(T value) : m_value(std::move(value)) {}  // NOLINT(google-explicit-constructor)
    static Checked failed(QString failure)
    {
        Checked checked;
        checked.m_failure = std::move(failure);
        return checked;
    }

    bool ok() const { return m_value.has_value(); }
    const T& value() const { return *m_value; }
    T& value() { return *m_value; }
    const T* operator->() const { return &*m_value; }
    // Empty when there is a value.
    const QString& failure() const { return m_failure; }

private:
    Checked() = default;
    std::optional<T> m_value;
    QString m_failure;
};

}  // namespace pixmint
