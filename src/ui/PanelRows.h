#pragma once
// The label-and-value rows of the side panels: the value selectable, so a reader can copy it.

#include <QFormLayout>
#include <QLabel>
#include <QString>
#include <string>

inline QString PanelText(const std::string& text) {
    return QString::fromStdString(text);
}

inline QLabel* AddPanelRow(QFormLayout* form, const char* label) {
    auto* value = new QLabel;
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    value->setWordWrap(true);
    form->addRow(label, value);
    return value;
}
