#pragma once
// A map of the plane: the mirrors, turns, moves and scales with which builders place what they
// drew, the drawing moves its elements and lays its poses, the editing tools move a selection
// and the die-line readers place their blocks. One value for all of them, composed with `then`
// and applied to a point with ().
//
// Points go through its matrix. Directions (an arc's start, a text's slant) go through the turn
// and the mirror it keeps in degrees, so that a quarter turn adds exactly 90 to an angle, and a
// drawing turned and mirrored keeps its angles as they were written.

#include "drawing/geometry.h"

namespace brontaxe {

class Transform {
  public:
    Transform() = default;  // the identity

    static Transform move(Point by);
    // Turned about the origin, counter-clockwise.
    static Transform turn(double degrees);
    static Transform turnAbout(Point centre, double degrees);
    // Mirrored across the x axis (the line y = 0): y becomes -y.
    static Transform mirrorAcrossX();
    // Mirrored across the line through `on` running at `degrees`.
    static Transform mirrorAcross(Point on, double degrees);
    // Scaled along x and along y; a negative factor mirrors.
    static Transform scale(double sx, double sy);
    // How a builder places what it drew: mirrored across y = 0 first (when `mirrored`), then
    // turned by `degrees` about the origin, then moved by `by`.
    static Transform placement(Point by, double degrees, bool mirrored);

    // This map first, then `outer`.
    Transform then(const Transform& outer) const;

    Point operator()(Point p) const { return {a_ * p.x + b_ * p.y + e_, c_ * p.x + d_ * p.y + f_}; }
    // The direction, in degrees and not brought into [0, 360), that `degrees` becomes. Meant for
    // maps that keep circles; a scale along one axis only bends directions it does not follow.
    double direction(double degrees) const { return (mirrored_ ? -degrees : degrees) + turn_; }
    // Whether the map turns the plane over: counter-clockwise becomes clockwise.
    bool mirrors() const { return mirrored_; }
    double det() const { return a_ * d_ - b_ * c_; }
    // Longest a unit vector can become: how far a curve's error grows through the map.
    double stretch() const;
    // True when the map keeps circles circles (turns, mirrors, uniform scales, moves).
    bool keepsCircles() const;

  private:
    // p -> (a x + b y + e, c x + d y + f)
    double a_ = 1, b_ = 0, c_ = 0, d_ = 1, e_ = 0, f_ = 0;
    double turn_ = 0;  // degrees, after the mirror
    bool mirrored_ = false;
};

}  // namespace brontaxe
