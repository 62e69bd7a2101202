// The FieldTypeCode of the ACT! field types and the ticking of the fields a table holds.
#include "ActFieldList.h"

#include "frmFelder.h"
#include "records/infozoom/InfoZoomAttributeNode.h"

namespace records {

int FieldTypeCodeOfActType(int type)
{
    switch (type) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 14:
    case 15:
        return 0;
    case 5:
        return 1;
    case 6:
        return 2;
    case 7:
    case 8:
    case 10:
        return 3;
    case 13:
        return 4;
    case 9:
        return 5;
    default:
        return -1;
    }
}

void CheckExistingFields(frmFelder &dialog, const InfoZoomAttributes &level)
{
    if (level.isNull())
        return;
    for (int i = 0; i < level.Count(); ++i) {
        const InfoZoomAttributeNode node = level.Item(i);
        if (node.NodeType() == 2) {
            CheckExistingFields(dialog, node.Attributes());
            continue;
        }
        const QString importName = node.ImportName();
        for (int k = 0; k < dialog.itemCount(); ++k)
            if (dialog.itemKey(k) == importName)
                dialog.setChecked(k, true);
    }
}

} // namespace records
