// Proven inclusion disks for computed roots: for each root a radius that is
// guaranteed to hold a root of the equation, and the clusters of roots whose
// disks overlap, each proven to hold as many roots as it has disks.
#pragma once

// Proves disks around the roots z_i = (z_re[i], z_im[i]), i = 0..n-1, of the
// equation sum over k of c_k x^(n-k) = 0 whose coefficients c_k lie within
// err[k] of (a_re[k], a_im[k]), k = 0..n (a[0] multiplies x^n). Any degree;
// memory grows with n only.
//
// On return every root of every such equation lies in the union of the disks
// |x - z_i| <= radius[i], and every connected part of that union made of m
// disks holds exactly m roots, counted with multiplicity. cluster[i] is the
// index (from 1, in the order of the roots) of the part holding disk i and
// cluster_size[i] the number of its disks. The radii are doubles rounded
// upward. Equal roots (a multiple root found exactly) are proven about
// centres moved slightly apart, with disks widened by the move. Where nothing
// can be proven (coefficients or roots not finite, a leading coefficient that
// may be zero, a bound beyond the doubles) every radius is +infinity and all
// roots form one cluster of n.
// Returns true when every radius is finite.
bool prove_roots(int n, const long double* a_re, const long double* a_im, const long double* err,
                 const double* z_re, const double* z_im, double* radius, int* cluster, int* cluster_size);

// Numbers the connected parts of the union of the disks |x - z_i| <= radius[i]
// as prove_roots does; a radius of 0 is a point, +infinity covers the plane.
// Disks that touch within the rounding of the test count as overlapping,
// which only ever joins parts.
void number_clusters(int n, const double* z_re, const double* z_im, const double* radius, int* cluster,
                     int* cluster_size);


// An upper bound of |p(x)| for every equation within the uncertainty, from
// Horner's scheme with its running error bound, or, compensated, in twice
// the precision (where the plain scheme stays in range); +infinity beyond
// the extended range.
long double value_bound(int n, const long double* a_re, const long double* a_im, const long double* err,
                        double x_re, double x_im, bool compensated);
