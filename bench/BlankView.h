#pragma once

#include "common/HtmlView.h"

#include <QWidget>

// Pages are not what the benchmarks measure: a view that only holds its named widget.
class BlankView : public HtmlView {
public:
    BlankView(QWidget *parent, const QString &name) : m_widget(new QWidget(parent)) { m_widget->setObjectName(name); }
    QWidget *widget() override { return m_widget; }
    void Navigate(const QString &) override {}
    void Navigate2(const QString &) override {}
    void GoBack() override {}
    void PrintPreview() override {}

private:
    QWidget *m_widget;
};
