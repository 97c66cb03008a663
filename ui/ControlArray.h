// Control arrays: elements indexed from 1 whose first element is made with
// the screen and whose further elements are created and removed at run time.
// A created element copies the properties and handlers of the lowest element
// and starts hidden.
#pragma once

#include <QPointer>

#include <map>
#include <vector>

namespace ui {

template <class T>
class ControlArray {
public:
    // Takes element index (usually 1), made with the screen.
    void setElement(int index, T *control) {
        control->Index = index;
        m_items[index] = control;
    }
    // Element index, or nullptr when it does not exist.
    T *at(int index) const {
        const auto it = m_items.find(index);
        return it == m_items.end() ? nullptr : it->second.data();
    }
    T *operator()(int index) const { return at(index); }
    bool exists(int index) const { return at(index) != nullptr; }

    // Creates element index as a hidden copy of the lowest element. An
    // existing element is returned unchanged.
    T *Load(int index) {
        if (T *existing = at(index)) return existing;
        T *first = lowest();
        if (!first) return nullptr;
        T *c = new T(first->parentWidget());
        c->Index = index;
        c->cloneFrom(*first);
        m_items[index] = c;
        return c;
    }
    // Removes a created element (the lowest element stays).
    void Unload(int index) {
        const auto it = m_items.find(index);
        if (it == m_items.end() || it->first == lowestIndex()) return;
        if (it->second) it->second->deleteLater();
        if (it->second) it->second->hide();
        m_items.erase(it);
    }
    // Removes every element above the lowest.
    void UnloadCreated() {
        for (int i : indexes())
            if (i != lowestIndex()) Unload(i);
    }
    int count() const { return int(m_items.size()); }
    int UBound() const { return m_items.empty() ? 0 : m_items.rbegin()->first; }
    std::vector<int> indexes() const {
        std::vector<int> out;
        for (const auto &kv : m_items) out.push_back(kv.first);
        return out;
    }

private:
    int lowestIndex() const { return m_items.empty() ? 0 : m_items.begin()->first; }
    T *lowest() const { return m_items.empty() ? nullptr : m_items.begin()->second.data(); }
    std::map<int, QPointer<T>> m_items;
};

}  // namespace ui
