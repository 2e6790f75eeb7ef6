var n, digits: Integer;
begin
  n := 987654;
  digits := 0;
  repeat
    n := n div 10;
    digits := digits + 1;
  until (n = 0) or (digits > 100);
  ShowMessage(digits);
  n := 1;
  repeat n := n * 3 until n > 1000;
  ShowMessage(n);
end.
