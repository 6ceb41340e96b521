#pragma once

namespace kalvora::settings {

// A track bar's range and position; a position outside the range is pulled
// into it, as the control does.
class TrackBar {
 public:
  TrackBar(int min, int max, int position) : min_(min), max_(max) { SetPosition(position); }
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  void SetPosition(int position) { position_ = position < min_ ? min_ : (position > max_ ? max_ : position); }

 private:
  int min_;
  int max_;
  int position_ = 0;
};

}  // namespace kalvora::settings
