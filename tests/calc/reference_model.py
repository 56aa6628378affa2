#!/usr/bin/env python3
"""The expected numbers of the calculation tests, worked out a second time.

A separate implementation of the tray model, the kinetic line and the tray-by-tray
column, written from the formulas rather than from the C++ code, run on the three
benzene-toluene columns of tests/support/design_fixtures.cpp. It prints the values the
tests compare with: point 1 of the kinetic line (clear-liquid height, vapour content,
EMY, kinetic-line vapour) in kinetic_line_test.cpp, and the number of trays, the feed
tray and the vapour leaving the top tray in tray_by_tray_test.cpp.

Values the program keeps as 32-bit floats are rounded to 32 bits here as well; the
arithmetic of each formula is done in double precision.

    python3 tests/calc/reference_model.py
"""
import math
import struct


def f32(v):
    """v rounded to the nearest 32-bit float."""
    return struct.unpack("f", struct.pack("f", v))[0]


# Benzene-toluene at about 1 atm; the parameters as typed (numbers 16..40).
EQUILIBRIUM = [(0, 0), (0.1, 0.2105), (0.25, 0.4444), (0.4, 0.6154), (0.55, 0.7458),
               (0.7, 0.8485), (0.85, 0.9315), (1, 1)]
PROCESS = {16: 0.05, 17: 0.44, 18: 0.95, 19: 2.5, 20: 2, 21: 78.11, 22: 92.14, 23: 0.31,
           24: 0.28, 25: 0.0095, 26: 0.009, 27: 0.05, 28: 815, 29: 790, 30: 0.00005, 31: 368}
COLUMNS = {
    "BubbleCap": (0, {33: 1.6, 34: 0.8, 35: 1, 36: 0.05, 37: 0.1, 38: 2, 39: 0.05, 40: 0.05}),
    "Sieve": (1, {33: 1.2, 34: 0.8, 35: 1, 36: 0.04, 37: 0.12, 38: 4, 39: 0.03, 40: 0.02}),
    "DualFlow": (1, {33: 1.2, 34: 1, 35: 1, 36: 0.008, 37: 0.2, 38: 3, 39: 0.02, 40: 0}),
}


class Column:
    def __init__(self, tray_type, column):
        p = {n: f32(v) for n, v in {**PROCESS, **column}.items()}
        (self.XW, self.XF, self.XP, self.R, self.F, self.MA, self.MB, self.muxA, self.muxB,
         self.muyA, self.muyB, self.Dy, self.rhoA, self.rhoB, self.Dx, self.T) = (
             p[n] for n in range(16, 32))
        (self.D, self.f, self.n, self.hw, self.F0, self.S, self.e, self.theta) = (
            p[n] for n in range(33, 41))
        self.eqx = [f32(x) for x, _ in EQUILIBRIUM]
        self.eqy = [f32(y) for _, y in EQUILIBRIUM]
        # Hydraulics: parameter 34 exactly 1 first, then the tray type.
        self.dual_flow = p[34] == 1.0
        self.bubble_cap_hydraulics = not self.dual_flow and tray_type == 0
        self.without_caps = tray_type == 1

    def tray(self, x, y, m, below_feed, kinetic):
        """The eight tray characteristics (hcl, eps, betaY, betaX, Ky, NOY, EY, EMY)."""
        c = self
        mf = f32((1 - c.XF) * c.MB + c.XF * c.MA)
        vm = ((1 - x) * c.MB * c.rhoA + x * c.MA * c.rhoB) / (c.rhoA * c.rhoB)
        p = (c.XF - c.XW) / (c.XP - c.XW)
        fbar = (c.XP - c.XW) / (c.XF - c.XW)
        if kinetic:
            lv = c.F / mf * vm * ((c.R + (c.R + 1) * c.e) * p + (1 if below_feed else 0))
        else:
            per_mass = vm / ((1 - c.XF) * c.MB + c.XF * c.MA)
            lv = (c.F * ((c.R + 1) * c.e + fbar + c.R) / fbar * per_mass if below_feed
                  else p * c.F * ((c.R + 1) * c.e + c.R) * per_mass)
        lv = f32(lv)
        w = f32((c.XF - c.XW) * c.F * 22.4 * (c.R + 1) * c.T
                / (mf * (c.XP - c.XW) * c.D ** 2 * 214.305))
        mux = f32(math.exp(x * math.log(c.muxA) + (1 - x) * math.log(c.muxB)))
        my = (1 - y) * c.MB + y * c.MA
        sqrt_rhoy = f32(math.sqrt(my * 273 / (22.4 * c.T)))
        if c.dual_flow:
            fr = w * w / (9.81 * c.hw * c.F0 ** 2)
            hcl = f32(1.11 * c.hw / math.sqrt(c.F0) * math.exp(0.04 * math.log(fr)))
            eps = f32(1 - 0.277 / math.sqrt(c.F0) * math.exp(-0.16 * math.log(fr)))
        else:
            if c.bubble_cap_hydraulics:
                hcl = 0.0419 + 0.19 * c.hw - 0.0135 * w * sqrt_rhoy + 2.46 * lv / (0.7 * c.D * c.n)
            else:
                q = 3600 * lv / (0.7 * c.D * c.n)
                hcl = (0.127 * math.exp(0.21 * math.log(q)) * math.exp(0.56 * math.log(c.hw))
                       * math.exp((0.05 - 4.6 * c.hw) * math.log(w))
                       * (1 - 0.31 * math.exp(-0.11 * mux)))
            hcl = f32(hcl)
            eps = f32(1 - 1 / (1 + w / math.sqrt(9.81 * hcl)))
        muy = f32(my / ((1 - y) * c.MB / c.muyB + y * c.MA / c.muyA))
        if c.without_caps:
            by = 6240 * 273 * c.F0 * hcl * math.sqrt(w * c.Dy * muy / (eps * c.f * (muy + mux))) / (22.4 * c.T)
            bx = 6240 * hcl * math.sqrt(lv * c.Dx * muy / (0.785 * c.D ** 2 * c.f * (1 - eps) * (muy + mux))) / vm
        else:
            g = 105.12 * lv / (0.7 * c.D * c.n) if kinetic else 150 * lv / (c.n * c.D)
            wf = w / c.f
            by = (0.01 * 273 / (22.4 * c.T) * wf * (0.776 + 4.63 * c.hw - 0.238 * wf * sqrt_rhoy + g)
                  * sqrt_rhoy * math.sqrt(c.Dy / (0.001 * muy)))
            bx = 30.5 * hcl * (1 + 68 * c.hw) * math.sqrt(c.Dx) / vm
        by, bx = f32(by), f32(bx)
        ky = f32(1 / (m / bx + 1 / by))
        noy = f32(ky * 22.4 * c.T * c.f / (273 * w))
        ey = f32(1 - math.exp(-noy))
        # Stripping factor and (V/L) e as each calculation forms them.
        if kinetic:
            lam = (c.R + 1) * m / ((fbar + c.R) if below_feed else c.R)
            vle = lam * c.e / m
        else:
            vl = (c.R + 1) / (fbar + c.R) if below_feed else 1 + 1 / c.R
            lam, vle = m * vl, vl * c.e
        a0 = (lam * ey + vle) / (vle + 1)
        a = f32(a0 / (1 - c.theta) if kinetic else a0 * (1 - c.theta))
        e1 = f32(ey * ((1 + a / c.S) ** c.S - 1) / a)
        e2 = f32(e1 / (1 + lam * c.theta * e1 / (1 - c.theta)))
        emy = f32(e2 / (1 + vle * e2 / (1 - c.theta)))
        return hcl, eps, by, bx, ky, noy, ey, emy

    def kinetic_point(self, i):
        """Point i of the kinetic line: (hcl, eps, EMY, kinetic-line vapour)."""
        x, xs, ys = self.eqx[i], self.eqx, self.eqy
        x0, x1, x2, y0, y1, y2 = xs[i - 1], xs[i], xs[i + 1], ys[i - 1], ys[i], ys[i + 1]
        cc = f32((y1 - y0) / ((x1 - x2) * (x1 - x0)) + (y0 - y2) / ((x1 - x2) * (x2 - x0)))
        b = f32((y1 - y0) / (x1 - x0) - (x0 + x1) * cc)
        m = f32(2 * cc * x1 + b)
        below = x <= self.XF
        fbar, R = (self.XP - self.XW) / (self.XF - self.XW), self.R
        op = f32((fbar + R) * (x - self.XW) / (R + 1) + self.XW if below
                 else self.XP - (self.XP - x) * R / (R + 1))
        t = self.tray(x, op, m, below, kinetic=True)
        return t[0], t[1], t[7], f32(op + t[7] * (ys[i] - op))

    def tray_by_tray(self):
        """(number of trays, feed tray, vapour leaving the top tray)."""
        xs, ys = self.eqx, self.eqy
        par = {}
        for k in range(1, 7):
            x0, x1, x2, y0, y1, y2 = xs[k - 1], xs[k], xs[k + 1], ys[k - 1], ys[k], ys[k + 1]
            det = (x1 - x0) * (x2 - x0) * (x2 - x1)
            par[k] = (f32((y0 * x1 * x2 * (x2 - x1) - y1 * x0 * x2 * (x2 - x0) + y2 * x0 * x1 * (x1 - x0)) / det),
                      f32((y0 * (x1 * x1 - x2 * x2) + y1 * (x2 * x2 - x0 * x0) + y2 * (x0 * x0 - x1 * x1)) / det),
                      f32((y0 * (x2 - x1) - y1 * (x2 - x0) + y2 * (x1 - x0)) / det))
        R = self.R
        fbar = (self.XP - self.XW) / (self.XF - self.XW)
        below, feed = True, 200
        tx, ty = {1: self.XW}, {0: self.XW}
        i = 1
        while True:
            k = next((k for k in range(1, 6) if tx[i] <= xs[k]), 6)
            a, b, c = par[k]
            m = b + 2 * c * tx[i]
            if below and tx[i] > self.XF:
                feed = i - 1
                tx[i] = f32(((fbar + R) * tx[i] - fbar * self.XF) / R)
                below = False
                continue
            vl = (R + 1) / (fbar + R) if below else 1 + 1 / R
            emy = self.tray(tx[i], ty[i - 1], m, below, kinetic=False)[7]
            ty[i] = f32(ty[i - 1] + emy * (a + b * tx[i] + c * tx[i] ** 2 - ty[i - 1]))
            if ty[i] >= self.XP:
                return i, feed, ty[i]
            tx[i + 1] = f32(tx[i] + vl * (ty[i] - ty[i - 1]))
            i += 1


if __name__ == "__main__":
    for name, (tray_type, column) in COLUMNS.items():
        c = Column(tray_type, column)
        hcl, eps, emy, ky = c.kinetic_point(1)
        print(f"{name:9} kinetic point 1: hcl {hcl:.6g} eps {eps:.6g} EMY {emy:.6g} y {ky:.6g}")
        total, feed, top = c.tray_by_tray()
        print(f"{name:9} tray by tray: {total} trays, feed tray {feed}, top vapour {top:.6g}")
