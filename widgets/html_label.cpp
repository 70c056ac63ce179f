#include "widgets/html_label.h"

namespace trovel {

THTMLabel::THTMLabel(Environment &env, QWidget *parent) : QWidget(parent), env_(env) {
    setAttribute(Qt::WA_TranslucentBackground);
}

}  // namespace trovel
