#!/usr/bin/perl
# Runs a command and writes "<wall seconds> <processor seconds>" into a
# file: its processor time, user and system, with that of every process it
# started. Wine starts a Windows program's child processes orphaned (it
# forks twice), so they are not counted in a parent's children's times;
# this script makes itself their reaper (a child subreaper), which counts
# them. Exits with the command's exit code.
# Usage: process_tree_time.pl <times file> <command> [<argument>...]
use strict;
use warnings;
use POSIX ":sys_wait_h";
use Time::HiRes qw(time);

my $prctl = 157;    # the prctl system call on x86-64 Linux
my $set_child_subreaper = 36;
syscall($prctl, $set_child_subreaper, 1) == 0 or die "process_tree_time.pl: prctl: $!\n";

my $times_file = shift @ARGV;
my $start = time;
my $pid = fork // die "process_tree_time.pl: fork: $!\n";
if ($pid == 0) {
  exec @ARGV or die "process_tree_time.pl: cannot run $ARGV[0]: $!\n";
}
my $status = 0;
while ((my $ended = waitpid(-1, 0)) > 0) {
  if ($ended == $pid) {
    $status = $?;
    last;
  }
}
my $wall = time - $start;
# Orphans end a moment after the command: a Windows process that has
# ended under Wine leaves its Linux process behind for a while. They are
# waited for up to two seconds (a wineserver that this run started stays).
my $deadline = time + 2;
while (time < $deadline) {
  my $ended = waitpid(-1, WNOHANG);
  last if $ended < 0;
  select(undef, undef, undef, 0.01) if $ended == 0;
}
my (undef, undef, $children_user, $children_system) = times;
open(my $out, ">", $times_file) or die "process_tree_time.pl: cannot write $times_file: $!\n";
printf $out "%.3f %.3f\n", $wall, $children_user + $children_system;
close $out;
exit($status >> 8);
