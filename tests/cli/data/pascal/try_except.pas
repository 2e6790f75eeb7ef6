var a, b, c: Integer;
begin
  a := 10; b := 0; c := -1;
  try
    c := a div b;
    ShowMessage('not here');
  except
    ShowMessage('division failed');
  end;
  ShowMessage(c);
  try
    c := a div 5;
  except
    ShowMessage('no');
  end;
  ShowMessage(c);
end.
