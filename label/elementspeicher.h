#pragma once
// The elements of one kind in a label window: their controls by index from
// 1, whether each slot is in use, and the kind's own values per slot. A
// deleted element keeps its control and its slot; the lowest free slot is
// handed out first. Index 0 is never an element; every access out of range
// throws std::out_of_range.
#include <QString>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace sorvo {

// The values a text or data field keeps beside its control, in millimetres
// (0: none).
struct BeschriftungsWerte {
    int32_t maxBreite = 0;
    int32_t maxHoehe = 0;
};

// The value a picture keeps beside its control.
struct BildWerte {
    QString pfad;
};

template <class Steuer, class Werte> class ElementSpeicher {
public:
    // Starts over with the kind's design control as slot 1, not in use.
    void anlegen(Steuer* entwurf) {
        m_steuer = {nullptr, entwurf};
        m_status.assign(2, false);
        m_werte.assign(2, Werte{});
        m_vergeben = false;
    }

    Steuer& operator[](int32_t i) const { return *m_steuer.at(index(i)); }
    int32_t hoechster() const { return static_cast<int32_t>(m_steuer.size()) - 1; }
    // Whether s is the control of slot i.
    bool ist(int32_t i, const void* s) const {
        return i >= 1 && i <= hoechster() && m_steuer[index(i)] == s;
    }

    // Marks the lowest free slot in use and returns it; 0 when every slot
    // is in use. Either way the kind counts as handed out from now on.
    int32_t freienBelegen() {
        m_vergeben = true;
        for (int32_t i = 1; i <= hoechster(); ++i)
            if (!m_status[index(i)]) {
                m_status[index(i)] = true;
                return i;
            }
        return 0;
    }
    // A further slot for this control, in use; returns its index.
    int32_t anhaengen(Steuer* s) {
        m_steuer.push_back(s);
        m_status.push_back(true);
        m_werte.push_back(Werte{});
        return hoechster();
    }

    bool status(int32_t i) const { return m_status.at(index(i)); }
    void setStatus(int32_t i, bool inGebrauch) {
        m_status.at(index(i)) = inGebrauch;
        m_vergeben = m_vergeben || inGebrauch;
    }
    int32_t zaehlen() const {
        return static_cast<int32_t>(std::count(m_status.begin() + 1, m_status.end(), true));
    }
    // True once a slot was handed out or marked in use.
    bool vergeben() const { return m_vergeben; }

    Werte& werte(int32_t i) { return m_werte.at(index(i)); }
    const Werte& werte(int32_t i) const { return m_werte.at(index(i)); }

private:
    // A negative index becomes one far out of range.
    static size_t index(int32_t i) { return static_cast<size_t>(i); }

    std::vector<Steuer*> m_steuer;
    std::vector<bool> m_status;
    std::vector<Werte> m_werte;
    bool m_vergeben = false;
};

} // namespace sorvo
