// An attribute (a column) of a table: its format, mode, selected values and value selection.
// A handle like InfoZoomAttributeNode; made from a node that is a folder it raises error 13.
#pragma once

#include "InfoZoomAttributeNode.h"

#include <QVariant>

class InfoZoomValues;

class InfoZoomAttribute : public InfoZoomAttributeNode
{
public:
    InfoZoomAttribute() = default;
    // Taking an entry of the attribute list as an attribute (VB: Set attr = node).
    InfoZoomAttribute(const InfoZoomAttributeNode &node);
    explicit InfoZoomAttribute(std::shared_ptr<AttributeNodeData> node);

    // Display format: "" (as stored), "####", "#.###,00", "tt.mm.jjjj ss:mm:ss", "ss:mm:ss".
    QString Format() const;
    void setFormat(const QString &format);
    // Kept and saved; the component gives it no further meaning.
    int Mode() const;
    void setMode(int mode);

    // The distinct values this attribute holds in the selected rows, whichever attribute the values
    // were picked in: in the order of their first row in the view, or in the order they were picked
    // when they were picked in this attribute alone. Empty without a selection.
    InfoZoomValues SelectedValues() const;
    // Adds the value to the selection (add False: it becomes the attribute's only selected value).
    // Raises error 380 when the attribute does not hold the value; the selection is then unchanged.
    void SelectValue(const QVariant &value, bool add = true);
};
