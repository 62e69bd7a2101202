// The FieldTypeCode of the ACT! field types and the ticking of the fields a table holds.
#include "ActFieldList.h"

#include "frmFelder.h"
#include "actserver/ACTDatabaseObject.h"
#include "infozoom/InfoZoomAttributeNode.h"

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

void AppendCheckedFields(const frmFelder &dialog, QStringList &labels, QVector<qint16> &ids, QVector<int> &types)
{
    for (int k = 0; k < dialog.itemCount(); ++k) {
        if (!dialog.isChecked(k) || dialog.itemTag(k).isEmpty())
            continue;
        const QString key = dialog.itemKey(k);
        labels << dialog.itemText(k);
        ids << qint16(key.mid(key.indexOf(QLatin1Char('|')) + 1).toInt());
        types << dialog.itemTag(k).toInt();
    }
}

QHash<QString, QString> UserNamesByID(actserver::ACTDatabaseObject &database)
{
    QHash<QString, QString> names;
    const actserver::ACTUsers users = database.Users();
    for (int u = 1; u <= users.Count(); ++u)
        names.insert(users.UniqueID(u), users.Name(u));
    return names;
}

} // namespace records
