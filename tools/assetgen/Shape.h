#pragma once

#include <functional>
#include <vector>

// A filled outline given by its signed distance: negative inside, positive outside, in
// pixels.  Painting turns the distance into anti-aliased coverage, so every edge is smooth.
struct Point {
    double x = 0, y = 0;
};

class Shape {
public:
    using Distance = std::function<double(double x, double y)>;

    Shape(Distance distance, double left, double top, double right, double bottom);

    double distance(double x, double y) const { return distanceOf(x, y); }
    // Coverage of the pixel whose centre is (x, y): 1 well inside, 0 well outside.
    double coverage(double x, double y) const;
    double left() const { return boxLeft; }
    double top() const { return boxTop; }
    double right() const { return boxRight; }
    double bottom() const { return boxBottom; }

    static Shape circle(double cx, double cy, double radius);
    static Shape ring(double cx, double cy, double radius, double thickness);
    static Shape roundedBox(double left, double top, double width, double height, double radius);
    static Shape ellipse(double cx, double cy, double rx, double ry);
    static Shape polygon(std::vector<Point> corners);
    static Shape segment(Point a, Point b, double thickness);
    static Shape star(double cx, double cy, double outer, double inner, int points, double turn = 0);
    static Shape heart(double cx, double cy, double size);

    Shape unite(const Shape& other) const;
    Shape subtract(const Shape& other) const;
    Shape intersect(const Shape& other) const;
    // The outline of this shape as a band of the given width, centred on the edge.
    Shape border(double width) const;
    Shape grown(double amount) const;
    Shape moved(double dx, double dy) const;

private:
    Distance distanceOf;
    double boxLeft, boxTop, boxRight, boxBottom;
};
