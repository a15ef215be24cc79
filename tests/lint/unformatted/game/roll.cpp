int Roll( int  n ){return n;}
