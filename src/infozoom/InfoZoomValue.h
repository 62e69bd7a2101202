// One distinct value of an attribute, as met in SelectedValues: its value and its Marked flag (a
// marked value is shown highlighted; synchronisation flags values without a partner with it).
#pragma once

#include <QVariant>
#include <cstdint>
#include <memory>

struct AttributeNodeData;

class InfoZoomValue
{
public:
    InfoZoomValue() = default;
    InfoZoomValue(std::shared_ptr<AttributeNodeData> attribute, uint32_t code)
        : m_attribute(std::move(attribute)), m_code(code)
    {
    }

    bool isNull() const { return !m_attribute; }
    QVariant Value() const;
    bool Marked() const;
    void setMarked(bool marked);

private:
    AttributeNodeData &attribute() const;

    std::shared_ptr<AttributeNodeData> m_attribute;
    uint32_t m_code = 0;
};
