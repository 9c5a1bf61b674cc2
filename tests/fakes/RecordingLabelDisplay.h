#pragma once

#include "LabelDisplay.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

// Keeps every label write in order and the text each label shows now.
class RecordingLabelDisplay final : public LabelDisplay
{
public:
    void showText(const QString &labelName, const QString &text) override
    {
        writes.append({labelName, text});
        shown.insert(labelName, text);
    }

    QString text(const QString &labelName) const { return shown.value(labelName); }
    bool hasShown(const QString &labelName) const { return shown.contains(labelName); }

    QStringList writtenNames() const
    {
        QStringList names;
        for (const auto &write : writes)
            names.append(write.first);
        return names;
    }

    QList<QPair<QString, QString>> writes;
    QHash<QString, QString> shown;
};
