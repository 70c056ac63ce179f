// An ordered list of icons, any slot of which may be empty, that tells its owner after
// every change. Changes made between BeginUpdate and the matching EndUpdate are told once,
// after the outermost EndUpdate.
#pragma once

#include <QIcon>
#include <QList>
#include <functional>

namespace trovel {

class TIconList {
public:
    int Count() const { return static_cast<int>(icons_.size()); }
    // Index errors raise std::out_of_range.
    const QIcon &Items(int index) const;
    const QIcon &operator[](int index) const { return Items(index); }
    void setItems(int index, const QIcon &icon);

    int Add(const QIcon &icon);
    void Insert(int index, const QIcon &icon); // index may be Count()
    void Delete(int index);
    void Exchange(int a, int b);
    void Move(int from, int to);
    void Clear();

    void BeginUpdate() { ++update_depth_; }
    void EndUpdate();

    // The owner's notification.
    std::function<void()> OnChange;

private:
    void check(int index, int count) const;
    void changed();

    QList<QIcon> icons_;
    int update_depth_ = 0;
    bool pending_ = false;
};

} // namespace trovel
