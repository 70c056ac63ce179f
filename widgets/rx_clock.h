// The analog clock of the rest window. (Stand-in: paints the face colour only.)
#pragma once

#include "platform/environment.h"
#include "widgets/colors.h"

#include <QWidget>

namespace trovel {

class TRxClock : public QWidget {
    Q_OBJECT
public:
    TRxClock(Environment &env, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    Environment &env_;
};

}  // namespace trovel
