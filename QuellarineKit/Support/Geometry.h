#pragma once

#include <cmath>

namespace quellarine {

// A displacement in points.
struct Vector {
    double dx = 0;
    double dy = 0;

    bool operator==(const Vector&) const = default;

    Vector operator+(Vector other) const { return {dx + other.dx, dy + other.dy}; }
    Vector operator-(Vector other) const { return {dx - other.dx, dy - other.dy}; }
    Vector operator*(double factor) const { return {dx * factor, dy * factor}; }
    Vector operator/(double divisor) const { return {dx / divisor, dy / divisor}; }
    double dot(Vector other) const { return dx * other.dx + dy * other.dy; }
    double length() const { return std::hypot(dx, dy); }
};

// A position in global display coordinates (points; origin top left of the main display, y downwards).
struct Point {
    double x = 0;
    double y = 0;

    bool operator==(const Point&) const = default;

    Point operator+(Vector delta) const { return {x + delta.dx, y + delta.dy}; }
    Point operator-(Vector delta) const { return {x - delta.dx, y - delta.dy}; }
    Vector operator-(Point other) const { return {x - other.x, y - other.y}; }
    double distance(Point other) const { return std::hypot(x - other.x, y - other.y); }
};

struct Size {
    double width = 0;
    double height = 0;

    bool operator==(const Size&) const = default;
};

// A display frame or window rectangle. Width and height are expected to be non-negative.
struct Rect {
    Point origin;
    Size size;

    bool operator==(const Rect&) const = default;

    double minX() const { return origin.x; }
    double minY() const { return origin.y; }
    double maxX() const { return origin.x + size.width; }
    double maxY() const { return origin.y + size.height; }
    double width() const { return size.width; }
    double height() const { return size.height; }
    // Not a number counts as empty too: such a frame holds no point.
    bool isEmpty() const { return !(size.width > 0 && size.height > 0); }
    bool contains(Point p) const { return p.x >= minX() && p.x < maxX() && p.y >= minY() && p.y < maxY(); }
};

} // namespace quellarine
